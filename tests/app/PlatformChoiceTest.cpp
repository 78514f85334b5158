#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform/ui/PlatformChoice.h"

namespace {

// Restores the two variables the platform choice reads and writes.
class PlatformChoiceTest : public testing::Test {
 protected:
  void SetUp() override {
    savedPlatform_ = qgetenv("QT_QPA_PLATFORM");
    savedWayland_ = qgetenv("WAYLAND_DISPLAY");
    hadWayland_ = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
  }
  void TearDown() override {
    qputenv("QT_QPA_PLATFORM", savedPlatform_);
    if (hadWayland_) qputenv("WAYLAND_DISPLAY", savedWayland_); else qunsetenv("WAYLAND_DISPLAY");
  }

 private:
  QByteArray savedPlatform_, savedWayland_;
  bool hadWayland_ = false;
};

}  // namespace

TEST_F(PlatformChoiceTest, WaylandSessionsGetXWaylandUnlessTheUserChose) {
  qputenv("WAYLAND_DISPLAY", QByteArrayLiteral("wayland-0"));
  qunsetenv("QT_QPA_PLATFORM");
  PlatformUi::PreferXcbUnderWayland();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "xcb");

  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
  PlatformUi::PreferXcbUnderWayland();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland");

  qunsetenv("WAYLAND_DISPLAY");
  qunsetenv("QT_QPA_PLATFORM");
  PlatformUi::PreferXcbUnderWayland();
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
}
