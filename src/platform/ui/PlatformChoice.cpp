#include "PlatformChoice.h"

#include <QByteArray>
#include <QtGlobal>

namespace PlatformUi {

void PreferXcbUnderWayland() {
  if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
  }
}

}  // namespace PlatformUi
