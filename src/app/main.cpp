#include <QApplication>

#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/SessionSignals.h"
#include "app/TDeckForm.h"
#include "audio/BASSApi.h"
#include "platform/ui/PlatformChoice.h"

int main(int argc, char* argv[]) {
  PlatformUi::PreferXcbUnderWayland();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  BASSApi::RegisterBASSApi();  // audio back-ends register before any window exists
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
  if (!InitializePlayer()) {
    DestroyForms();
    return 1;
  }
  // Songs, folders and CD drives named on the command line are added and the first plays.
  AddCommandLineSongs(QCoreApplication::arguments().mid(1));
  const int result = sessionEnded ? 0 : QApplication::exec();
  DestroyForms();
  return result;
}
