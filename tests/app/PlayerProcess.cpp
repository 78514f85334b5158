#include "PlayerProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include "support/TestEnvironment.h"

namespace ProcessTests {

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QThread::msleep(20);
  }
  return true;
}

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

void LinkBuiltSkins(const QString& programFolder) {
  const QString built = TestSupport::BuildFolder() + "/skins";
  if (QDir(built).exists()) QFile::link(built, programFolder + "skins");
}

}  // namespace ProcessTests
