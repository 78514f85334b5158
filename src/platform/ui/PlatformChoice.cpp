#include "PlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace PlatformUi {

namespace {

constexpr char kScaleVariable[] = "QT_SCALE_FACTOR";
constexpr char kPlatformVariable[] = "QT_QPA_PLATFORM";
constexpr char kNoSharedMemoryVariable[] = "QT_XCB_NO_MITSHM";

// The user's own scale variable while the player's stands in for it.
std::optional<QByteArray> usersScale;
bool scaleReplaced = false;
bool platformChosen = false;
bool sharedMemoryDeclined = false;

}  // namespace

void PreferXcbUnderWayland() {
  if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet(kPlatformVariable)) {
    qputenv(kPlatformVariable, QByteArrayLiteral("xcb"));
    platformChosen = true;
  }
}

void ScaleWindowsBeforeQt(bool doubled) {
  if (!doubled) return;
  usersScale.reset();
  if (qEnvironmentVariableIsSet(kScaleVariable)) usersScale = qgetenv(kScaleVariable);
  bool valid = false;
  const double users = usersScale ? usersScale->toDouble(&valid) : 1.0;
  qputenv(kScaleVariable, QByteArray::number((valid && users > 0 ? users : 1.0) * 2));
  scaleReplaced = true;
}

void SendPixelsOverTheConnection() {
  if (qEnvironmentVariableIsSet(kNoSharedMemoryVariable)) return;
  qputenv(kNoSharedMemoryVariable, QByteArrayLiteral("1"));
  sharedMemoryDeclined = true;
}

void RestoreEnvironment() {
  if (platformChosen) qunsetenv(kPlatformVariable);
  platformChosen = false;
  if (sharedMemoryDeclined) qunsetenv(kNoSharedMemoryVariable);
  sharedMemoryDeclined = false;
  if (!scaleReplaced) return;
  if (usersScale) qputenv(kScaleVariable, *usersScale); else qunsetenv(kScaleVariable);
  scaleReplaced = false;
}

}  // namespace PlatformUi
