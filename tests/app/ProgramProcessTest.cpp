#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

#include "app/SavedSettings.h"
#include "platform/ui/TextFile.h"
#include "support/TestEnvironment.h"

namespace {

bool WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QThread::msleep(20);
  }
  return true;
}

}  // namespace

// The real program, ended the way a desktop session ends it: the settings are
// written through the normal shutdown, not lost.
TEST(ProgramProcess, SessionEndSignalsShutDownCleanly) {
  const QString home = TestSupport::ProgramFolder();
  const QString built = TestSupport::BuildFolder() + "/skins";
  if (QDir(built).exists()) QFile::link(built, home + "skins");
  const QString ini = home + "solvane.ini";

  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    QFile::remove(ini);
    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SOLVANE_HOME", home);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SOLVANE_AUDIO_OUTPUT", "null");
    player.setProcessEnvironment(env);
    player.start(TestSupport::BuildFolder() + "/solvane");
    ASSERT_TRUE(player.waitForStarted(10000));
    // Start-up writes the settings file; remove it so only shutdown can bring it back.
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(ini); }, 20000)) << "no settings file at start-up";
    QThread::msleep(300);
    ASSERT_TRUE(QFile::remove(ini));
    ::kill(static_cast<pid_t>(player.processId()), signal);
    ASSERT_TRUE(player.waitForFinished(20000)) << "signal " << signal << " did not end the player";
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0);
    const auto lines = PlatformUi::ReadTextLines(ini, 1 << 20);
    ASSERT_TRUE(lines) << "shutdown did not write the settings file";
    EXPECT_EQ(*lines, SettingsToLines(DefaultSavedSettings(home)));
  }
}
