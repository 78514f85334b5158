#include <QApplication>

#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/DoubleSize.h"
#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "app/MprisService.h"
#include "app/PlayerStartup.h"
#include "app/SessionSignals.h"
#include "app/SingleInstance.h"
#include "app/TDeckForm.h"
#include "audio/BASSApi.h"
#include "platform/ui/PlatformChoice.h"
#include "platform/ui/ProgramFolder.h"

namespace {

QStringList ArgumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

// Qt takes the window scale as its application object is made, so the saved
// choice is read first, with a core application for the program's folders.
bool DoubleSizeBeforeQt(int argc, char* argv[]) {
  QCoreApplication probe(argc, argv);
  return SavedDoubleSize();
}

}  // namespace

int main(int argc, char* argv[]) {
  // Help and version need no display, so they are answered before Qt starts.
  // Qt's own options (-platform …) are known only once it has taken them out.
  const CommandLine early = ParseCommandLine(ArgumentsOf(argc, argv));
  if (early.action == CommandLine::Action::Help) {
    std::fputs(qPrintable(CommandLineHelpText()), stdout);
    return 0;
  }
  if (early.action == CommandLine::Action::Version) {
    std::fputs(qPrintable(CommandLineVersionText()), stdout);
    return 0;
  }

  PlatformUi::PreferXcbUnderWayland();
  PlatformUi::SendPixelsOverTheConnection();
  PlatformUi::ScaleWindowsBeforeQt(DoubleSizeBeforeQt(argc, argv));
  QApplication app(argc, argv);
  PlatformUi::RestoreEnvironment();
  QApplication::setQuitOnLastWindowClosed(false);
  const CommandLine command = ParseCommandLine(QCoreApplication::arguments().mid(1));
  if (command.action == CommandLine::Action::Error) {
    std::fprintf(stderr, "solvane: %s\nTry \"solvane --help\".\n", qPrintable(command.error));
    return 2;
  }

  auto instance = std::make_unique<SingleInstance>(
      InstanceSocketPath(PlatformUi::CurrentProgramFolders().config));
  switch (instance->Claim({command.files, command.enqueue})) {
    case SingleInstance::Role::HandedOver: return 0;
    case SingleInstance::Role::Unanswered:
      std::fputs("solvane: the running player did not take the songs.\n", stderr);
      return 1;
    case SingleInstance::Role::Running: break;
  }

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
  auto mpris = StartMprisOnSessionBus(*DeckForm->Timer1);
  // Songs, folders and CD drives named on the command line are added and the
  // first plays; later starts hand theirs over the same way, and a later
  // start without songs brings the player to the front.
  AddCommandLineSongs(command.files, !command.enqueue);
  ResumeAfterDoubleSizeRestart();
  instance->SetHandler([](const HandedOverSongs& songs) {
    if (songs.files.isEmpty()) {
      RaisePlayerWindows();
    } else {
      AddCommandLineSongs(songs.files, !songs.enqueue);
    }
  });
  const int result = sessionEnded ? 0 : QApplication::exec();
  mpris.reset();  // no bus call may reach the windows while they go
  DestroyForms();
  instance.reset();  // the new start of a double-size switch becomes the running player
  RestartForDoubleSizeIfAsked();
  return result;
}
