// Portable or installed: where the player reads what it ships and where it
// writes, down to a real `cmake --install` into a temporary prefix.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>

#include "PlayerProcess.h"
#include "platform/ui/ProgramFolder.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "support/TestEnvironment.h"

namespace {

using PlatformUi::ChooseProgramFolders;

void MakeFolders(const QString& root, const QStringList& folders) {
  for (const QString& folder : folders) ASSERT_TRUE(QDir().mkpath(root + folder));
}

class UserFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = TestSupport::ProgramFolder();
    qputenv("XDG_CONFIG_HOME", (root_ + "config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root_ + "data").toLocal8Bit());
  }
  void TearDown() override {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
  }
  QString root_;
};

TEST_F(UserFolders, PortableInstalledOrChosenByTheEnvironment) {
  MakeFolders(root_, {"portable/skins", "prefix/bin", "prefix/share/solvane/skins", "bare"});
  const QString home = qEnvironmentVariable("SOLVANE_HOME");
  qunsetenv("SOLVANE_HOME");

  const auto portable = ChooseProgramFolders(root_ + "portable");
  EXPECT_FALSE(portable.installed);
  for (const QString& folder : {portable.shipped, portable.config, portable.data}) {
    EXPECT_EQ(folder, root_ + "portable/");
  }
  const auto installed = ChooseProgramFolders(root_ + "prefix/bin");
  EXPECT_TRUE(installed.installed);
  EXPECT_EQ(installed.shipped, root_ + "prefix/share/solvane/");
  EXPECT_EQ(installed.config, root_ + "config/solvane/");
  EXPECT_EQ(installed.data, root_ + "data/solvane/");
  // A folder without skins is no portable program: its writes go to the user.
  EXPECT_EQ(ChooseProgramFolders(root_ + "bare").config, root_ + "config/solvane/");

  qputenv("SOLVANE_HOME", home.toLocal8Bit());
  for (const QString& executable : {root_ + "portable", root_ + "prefix/bin"}) {
    const auto chosen = ChooseProgramFolders(executable);
    EXPECT_FALSE(chosen.installed);
    EXPECT_EQ(chosen.config, QDir(home).absolutePath() + "/");
    EXPECT_EQ(chosen.shipped, chosen.config);
  }
}

TEST_F(UserFolders, InstalledProgramWritesIntoTheUsersFolders) {
  const QString prefix = root_ + "prefix";
  QProcess install;
  install.start(SOLVANE_CMAKE_COMMAND, {"--install", TestSupport::BuildFolder(), "--prefix", prefix});
  ASSERT_TRUE(install.waitForFinished(120000));
  ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().constData();
  for (const char* file : {"bin/solvane", "share/solvane/skins/Default/DeckMain.bmp",
                           "share/solvane/demo/Solvane - Night Walk.mp3",
                           "share/applications/solvane.desktop",
                           "share/icons/hicolor/48x48/apps/solvane.png",
                           "share/icons/hicolor/256x256/apps/solvane.png",
                           "share/solvane/What's New.txt", "share/doc/solvane/README.md",
                           "share/metainfo/solvane.metainfo.xml", "share/man/man1/solvane.1.gz"}) {
    EXPECT_TRUE(QFile::exists(prefix + "/" + file)) << file;
  }
  QFile entry(prefix + "/share/applications/solvane.desktop");
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  EXPECT_TRUE(entry.readAll().contains("\nMimeType=audio/mpeg;audio/x-mp3;"));

  MakeFolders(root_, {"run"});
  QProcessEnvironment env = ProcessTests::PlayerEnvironment({}, {});
  env.insert("XDG_CONFIG_HOME", root_ + "config");
  env.insert("XDG_DATA_HOME", root_ + "data");
  env.insert("XDG_RUNTIME_DIR", root_ + "run");
  QProcess player;
  ProcessTests::StartPlayer(player, env, {}, prefix + "/bin/solvane");
  const QString config = root_ + "config/solvane/";
  ASSERT_TRUE(ProcessTests::WaitFor([&] { return QFile::exists(config + "solvane.ini"); }, 20000))
      << player.readAllStandardError().constData();
  QThread::msleep(300);
  ::kill(static_cast<pid_t>(player.processId()), SIGTERM);
  ASSERT_TRUE(player.waitForFinished(20000));
  EXPECT_EQ(player.exitCode(), 0);

  // The first run's playlist holds the shipped demo songs.
  const auto saved = PlayListFile::ReadPlayListFile(config + "solvane.pls").entries;
  ASSERT_FALSE(saved.isEmpty());
  EXPECT_TRUE(GeneralFunctions::GetEntrySongPath(saved.first()).startsWith(prefix + "/share/solvane/demo/"));
  EXPECT_TRUE(QDir(root_ + "data/solvane/LocalCDDatabase").exists());
  EXPECT_TRUE(QDir(root_ + "data/solvane/skins").exists());
  EXPECT_EQ(QDir(prefix + "/bin").entryList(QDir::Files), QStringList{"solvane"});
}

}  // namespace
