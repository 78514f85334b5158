#include "PlayerProcess.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include "support/TestEnvironment.h"
#include "support/WaitUntil.h"

namespace ProcessTests {

QProcessEnvironment PlayerEnvironment(const QString& home, const QString& busAddress) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  if (home.isEmpty()) {
    env.remove("SOLVANE_HOME");
  } else {
    env.insert("SOLVANE_HOME", home);
    env.insert("XDG_RUNTIME_DIR", home);  // the player's socket stays in the test's folder
  }
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SOLVANE_AUDIO_OUTPUT", "null");
  env.insert("DBUS_SESSION_BUS_ADDRESS",
             busAddress.isEmpty() ? QStringLiteral("unix:path=/nonexistent/solvane-test-bus")
                                  : busAddress);
  return env;
}

void StartPlayer(QProcess& player, const QProcessEnvironment& environment,
                 const QStringList& arguments, const QString& program) {
  player.setProcessEnvironment(environment);
  player.start(program.isEmpty() ? TestSupport::BuildFolder() + "/solvane" : program, arguments);
}

bool WaitUntilRunning(const QProcessEnvironment& environment, const QString& program) {
  const QDir runtime(environment.value("XDG_RUNTIME_DIR"));
  const auto listening = [&runtime] {
    for (const QString& name : runtime.entryList({"solvane-*.socket"}, QDir::System)) {
      QLocalSocket probe;
      probe.connectToServer(runtime.filePath(name));
      if (probe.waitForConnected(100)) return true;
    }
    return false;
  };
  if (!TestSupport::WaitUntil(listening, 20000, 20)) return false;
  QProcess second;
  StartPlayer(second, environment, {}, program);
  return second.waitForFinished(20000) && second.exitCode() == 0;
}

void LinkBuiltSkins(const QString& programFolder) {
  const QString built = TestSupport::BuildFolder() + "/skins";
  if (QDir(built).exists()) QFile::link(built, programFolder + "skins");
}

}  // namespace ProcessTests
