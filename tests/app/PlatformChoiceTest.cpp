#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "platform/ui/PlatformChoice.h"

namespace {

// Restores the variables the platform choices read and write.
class PlatformChoiceTest : public testing::Test {
 protected:
  void SetUp() override {
    savedPlatform_ = qgetenv("QT_QPA_PLATFORM");
    savedWayland_ = qgetenv("WAYLAND_DISPLAY");
    hadWayland_ = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    qunsetenv("QT_SCALE_FACTOR");
  }
  void TearDown() override {
    qputenv("QT_QPA_PLATFORM", savedPlatform_);
    if (hadWayland_) qputenv("WAYLAND_DISPLAY", savedWayland_); else qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_SCALE_FACTOR");
  }

 private:
  QByteArray savedPlatform_, savedWayland_;
  bool hadWayland_ = false;
};

}  // namespace

// Programs the player starts see the session's own platform again.
TEST_F(PlatformChoiceTest, WaylandSessionsGetXWaylandUnlessTheUserChose) {
  qputenv("WAYLAND_DISPLAY", QByteArrayLiteral("wayland-0"));
  qunsetenv("QT_QPA_PLATFORM");
  PlatformUi::PreferXcbUnderWayland();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "xcb");
  PlatformUi::RestoreEnvironment();
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));

  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
  PlatformUi::PreferXcbUnderWayland();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland");
  PlatformUi::RestoreEnvironment();
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), "wayland");

  qunsetenv("WAYLAND_DISPLAY");
  qunsetenv("QT_QPA_PLATFORM");
  PlatformUi::PreferXcbUnderWayland();
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
}

// The player's choice holds while Qt starts; programs it starts get none.
TEST_F(PlatformChoiceTest, PixelsGoOverTheConnectionUnlessTheUserChose) {
  qunsetenv("QT_XCB_NO_MITSHM");
  PlatformUi::SendPixelsOverTheConnection();
  EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "1");
  PlatformUi::RestoreEnvironment();
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"));

  qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("0"));
  PlatformUi::SendPixelsOverTheConnection();
  PlatformUi::RestoreEnvironment();
  EXPECT_EQ(qgetenv("QT_XCB_NO_MITSHM"), "0");
  qunsetenv("QT_XCB_NO_MITSHM");
}

TEST_F(PlatformChoiceTest, DoubleSizeScalesQtAndLeavesTheUsersScaleAsItWas) {
  const struct {
    const char* users;  // nullptr: not set
    bool doubled;
    const char* whileStarting;  // nullptr: not set
  } cases[] = {{nullptr, true, "2"}, {"1.5", true, "3"}, {"junk", true, "2"},
               {nullptr, false, nullptr}, {"1.5", false, "1.5"}};
  for (const auto& c : cases) {
    if (c.users) qputenv("QT_SCALE_FACTOR", c.users); else qunsetenv("QT_SCALE_FACTOR");
    PlatformUi::ScaleWindowsBeforeQt(c.doubled);
    EXPECT_EQ(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"), c.whileStarting != nullptr);
    if (c.whileStarting) {
      EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), c.whileStarting);
    }
    PlatformUi::RestoreEnvironment();
    EXPECT_EQ(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"), c.users != nullptr);
    if (c.users) {
      EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), c.users);
    }
  }
}
