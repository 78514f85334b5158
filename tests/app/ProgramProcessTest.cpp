#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

#include "PlayerProcess.h"
#include "app/SavedSettings.h"
#include "platform/ui/TextFile.h"
#include "support/TestEnvironment.h"

using ProcessTests::WaitFor;

// The real program, ended the way a desktop session ends it: the settings are
// written through the normal shutdown, not lost.
TEST(ProgramProcess, SessionEndSignalsShutDownCleanly) {
  const QString home = TestSupport::ProgramFolder();
  ProcessTests::LinkBuiltSkins(home);
  const QString ini = home + "solvane.ini";

  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    QFile::remove(ini);
    QProcess player;
    ProcessTests::StartPlayer(player, ProcessTests::PlayerEnvironment(home, {}));
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
