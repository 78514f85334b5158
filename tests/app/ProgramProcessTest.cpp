#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

#include "PlayerProcess.h"
#include "app/SettingsFile.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "support/TestEnvironment.h"
#include "support/WaitUntil.h"

#include <map>
#include <random>

namespace {

// The real player in `home`, headless and silent.
void StartPlayer(QProcess& player, const QString& home, const QStringList& arguments = {}) {
  ProcessTests::StartPlayer(player, ProcessTests::PlayerEnvironment(home, {}), arguments);
}

bool Running(const QString& home) {
  return ProcessTests::WaitUntilRunning(ProcessTests::PlayerEnvironment(home, {}));
}

QString PrepareHome() {
  const QString home = TestSupport::ProgramFolder();
  ProcessTests::LinkBuiltSkins(home);
  return home;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int LineCount(const QByteArray& bytes) { return static_cast<int>(bytes.count('\n')); }

}  // namespace

// The real program, ended the way a desktop session ends it: the settings are
// written through the normal shutdown, not lost.
TEST(ProgramProcess, SessionEndSignalsShutDownCleanly) {
  const QString home = PrepareHome();
  const QString ini = home + "solvane.ini";

  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    QFile::remove(ini);
    QProcess player;
    StartPlayer(player, home);
    ASSERT_TRUE(player.waitForStarted(10000));
    // Start-up writes the settings file; remove it so only shutdown can bring it back.
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return QFile::exists(ini); }, 20000)) << "no settings file at start-up";
    ASSERT_TRUE(Running(home));
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

// A ".cda" file in an ordinary folder names no CD drive: the player reports
// the CD error and keeps running instead of being ended by the CD library.
TEST(ProgramProcess, ACdTrackInAPlainFolderDoesNotEndThePlayer) {
  const QString home = PrepareHome();
  QDir(home).mkpath("folder");
  for (const char* name : {"folder/song.cda", "folder/Track01.cda"}) {
    QFile file(home + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a disc");
  }
  QProcess player;
  StartPlayer(player, home, {home + "folder/song.cda", home + "folder/Track01.cda", home + "folder"});
  ASSERT_TRUE(player.waitForStarted(10000));
  EXPECT_TRUE(Running(home)) << "the player ended: " << player.readAllStandardError().toStdString();
  ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
  player.waitForFinished(10000);
  EXPECT_FALSE(player.readAllStandardError().contains("**ERROR"));
}

// Killed at any moment of its shutdown, the player leaves each file it
// writes either as it was or as the shutdown meant to write it: never torn,
// never empty.
TEST(ProgramProcess, AKillDuringShutdownLeavesEveryFileWhole) {
  const QString home = PrepareHome();
  const QString song = home + "added.mp3";
  QStringList entries;
  for (int i = 0; i < 20000; ++i) entries.append(GeneralFunctions::BuildPlayListEntry(QStringLiteral("/m/a - %1.mp3").arg(i)));
  ASSERT_TRUE(PlayListFile::WritePlayListFile(home + "solvane.pls", entries));
  // A clean run writes every file once and shows how long a shutdown takes;
  // the kills then fall anywhere within that time.
  qint64 shutdownMs = 0;
  {
    QProcess player;
    StartPlayer(player, home);
    ASSERT_TRUE(player.waitForStarted(10000));
    ASSERT_TRUE(Running(home));
    QElapsedTimer shutdown;
    shutdown.start();
    ::kill(static_cast<pid_t>(player.processId()), SIGTERM);
    ASSERT_TRUE(player.waitForFinished(20000));
    shutdownMs = shutdown.elapsed();
  }
  const QStringList files{"solvane.ini", "solvane.pls", "solvane.EQP"};
  std::mt19937 random(12345);
  for (int run = 0; run < 10; ++run) {
    std::map<QString, QByteArray> before;
    for (const QString& name : files) before[name] = Contents(home + name);
    const QStringList entriesBefore = PlayListFile::ReadPlayListFile(home + "solvane.pls").entries;

    QProcess player;
    StartPlayer(player, home, {song});
    ASSERT_TRUE(player.waitForStarted(10000));
    ASSERT_TRUE(Running(home));
    ::kill(static_cast<pid_t>(player.processId()), SIGTERM);
    QThread::msleep(std::uniform_int_distribution<qint64>(0, shutdownMs)(random));
    ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
    ASSERT_TRUE(player.waitForFinished(20000));

    for (const QString& name : files) {
      const QByteArray after = Contents(home + name);
      if (after == before[name]) continue;
      if (name == "solvane.pls") {
        EXPECT_EQ(PlayListFile::ReadPlayListFile(home + name).entries,
                  entriesBefore + QStringList{GeneralFunctions::BuildPlayListEntry(song)})
            << "torn playlist in run " << run;
      } else {
        EXPECT_EQ(LineCount(after), LineCount(before[name])) << "torn " << name.toStdString() << " in run " << run;
      }
    }
  }
}

// Songs handed to a running player are in its automatic playlist a moment
// later: killed with no chance to shut down, it finds them at the next start.
TEST(ProgramProcess, SongsAddedBeforeAKillAreThereAtTheNextStart) {
  const QString home = PrepareHome();
  const QString pls = home + "solvane.pls";
  QStringList songs;
  for (const char* name : {"one.mp3", "two.ogg", "three.wav"}) {
    songs.append(home + name);
    QFile(songs.last()).open(QIODevice::WriteOnly);
  }
  const auto listing = [&](const QStringList& paths) {
    QStringList entries;
    for (const QString& path : paths) entries.append(GeneralFunctions::BuildPlayListEntry(path));
    return [entries, pls] { return PlayListFile::ReadPlayListFile(pls).entries == entries; };
  };
  const auto handOver = [&](const QStringList& paths) {
    QProcess second;
    StartPlayer(second, home, QStringList{"--enqueue"} + paths);
    ASSERT_TRUE(second.waitForFinished(20000));
    ASSERT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
  };

  // A running player listens on its socket in the test's folder; the one a
  // killed player leaves behind is removed, so the socket's presence says a
  // player is ready to take songs.
  const auto sockets = [&] { return QDir(home).entryList({"solvane-*.socket"}, QDir::System | QDir::Files); };
  const auto startPlayer = [&](QProcess& player) {
    for (const QString& socket : sockets()) QFile::remove(home + socket);
    StartPlayer(player, home);
    ASSERT_TRUE(player.waitForStarted(10000));
    ASSERT_TRUE(TestSupport::WaitUntil([&] { return !sockets().isEmpty(); }, 20000));
  };

  QProcess player;
  startPlayer(player);
  handOver(songs.mid(0, 2));
  EXPECT_TRUE(TestSupport::WaitUntil(listing(songs.mid(0, 2)), 10000)) << "the list was not written while the player ran";
  ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
  ASSERT_TRUE(player.waitForFinished(10000));

  // The next run holds them: one more song joins them in its list.
  startPlayer(player);
  handOver(songs.mid(2));
  EXPECT_TRUE(TestSupport::WaitUntil(listing(songs), 10000));
  ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
  ASSERT_TRUE(player.waitForFinished(10000));
}
