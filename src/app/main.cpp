#include <QApplication>

#include <cstdlib>

#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/SessionSignals.h"
#include "app/TDeckForm.h"

namespace {

// The skinned windows place themselves at exact screen positions, which a
// native Wayland session does not allow; XWayland does.
void PreferXcbUnderWayland() {
  if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  PreferXcbUnderWayland();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  CreateForms();
  // A session may end while start-up is still running (a modal box, say);
  // then the message loop is not entered at all.
  bool sessionEnded = false;
  InstallSessionEndSignals([&sessionEnded] {
    sessionEnded = true;
    DeckForm->close();
  });
  QObject::connect(&app, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState state) {
    if (state == Qt::ApplicationInactive) AppDeactivate();
  });
  InitializePlayer();
  const int result = sessionEnded ? 0 : QApplication::exec();
  DestroyForms();
  return result;
}
