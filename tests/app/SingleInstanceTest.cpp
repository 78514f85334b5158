// One player at a time: later starts hand their songs to the running one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QFile>
#include <QTest>
#include <QUrl>

#include <atomic>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "PlayerProcess.h"
#include "PrivateSessionBus.h"
#include "app/SingleInstance.h"
#include "mediagen/PcmAudio.h"
#include "mediagen/WavFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "support/TestEnvironment.h"
#include "support/WaitUntil.h"

namespace {

using TestSupport::WaitUntil;

QString WriteSong(const QString& name) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {440.0};
  spec.seconds = 20.0;
  const QString path = TestSupport::ProgramFolder() + name;
  EXPECT_TRUE(MediaGen::WriteWav(path.toStdString(), MediaGen::MakeTone(spec)));
  return path;
}

// A socket file as a crashed player leaves it: bound, then never listened on.
void LeaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  std::memcpy(address.sun_path, name.constData(), size_t(name.size()) + 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(QFile::exists(path));
}

// A second start on another thread, while this one answers as the running player.
SingleInstance::Role SecondStart(const QString& socketPath, const HandedOverSongs& songs) {
  std::atomic<bool> done = false;
  SingleInstance::Role role = SingleInstance::Role::Running;
  std::thread second([&] {
    SingleInstance instance(socketPath);
    role = instance.Claim(songs);
    done = true;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 30000));
  second.join();
  QCoreApplication::processEvents();
  return role;
}

TEST(SingleInstance, LaterStartsHandTheirSongsOver) {
  const QString path = TestSupport::ProgramFolder() + "player.socket";
  SingleInstance running(path);
  ASSERT_EQ(running.Claim({{"/music/first.mp3"}, false}), SingleInstance::Role::Running);
  ASSERT_TRUE(running.IsListening());

  // Songs that arrive while the player is still starting wait for it.
  EXPECT_EQ(SecondStart(path, {{"/music/a.mp3", "/music/b b.ogg"}, false}),
            SingleInstance::Role::HandedOver);
  std::vector<HandedOverSongs> received;
  running.SetHandler([&received](const HandedOverSongs& songs) { received.push_back(songs); });
  EXPECT_EQ(SecondStart(path, {{"/music/ç.wav"}, true}), SingleInstance::Role::HandedOver);

  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].files, (QStringList{"/music/a.mp3", "/music/b b.ogg"}));
  EXPECT_FALSE(received[0].enqueue);
  EXPECT_EQ(received[1].files, QStringList{"/music/ç.wav"});
  EXPECT_TRUE(received[1].enqueue);
}

TEST(SingleInstance, SocketLeftByACrashedPlayerIsTakenOver) {
  const QString path = TestSupport::ProgramFolder() + "player.socket";
  LeaveStaleSocket(path);
  SingleInstance instance(path);
  EXPECT_EQ(instance.Claim({}), SingleInstance::Role::Running);
  EXPECT_TRUE(instance.IsListening());
}

TEST(SingleInstance, SocketPathBelongsToTheUserAndTheSettingsFolder) {
  qputenv("XDG_RUNTIME_DIR", TestSupport::ProgramFolder().toLocal8Bit());
  const QString one = InstanceSocketPath("/home/a/.config/solvane/");
  EXPECT_TRUE(one.startsWith(TestSupport::ProgramFolder() + "solvane-" + QString::number(::getuid())));
  EXPECT_EQ(one, InstanceSocketPath("/home/a/.config/solvane"));
  EXPECT_NE(one, InstanceSocketPath("/opt/solvane/"));
  qunsetenv("XDG_RUNTIME_DIR");
}

// The real program on a private bus: the test sees what the running player
// plays through MPRIS, as the desktop would.
class RunningPlayer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!bus_.Started()) GTEST_SKIP() << "dbus-daemon is not installed";
    home_ = TestSupport::ProgramFolder();
    ProcessTests::LinkBuiltSkins(home_);
    client_ = std::make_unique<QDBusConnection>(bus_.Connect("instance-client"));
  }
  void TearDown() override {
    client_.reset();
    QDBusConnection::disconnectFromBus("instance-client");
  }

  QProcessEnvironment Environment() const {
    return ProcessTests::PlayerEnvironment(home_, bus_.Address());
  }
  bool PlayerOnBus() {
    return WaitUntil([this] {
      return client_->interface()->isServiceRegistered("org.mpris.MediaPlayer2.solvane").value();
    }, 20000);
  }
  QVariant Property(const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        "org.mpris.MediaPlayer2.solvane", "/org/mpris/MediaPlayer2",
        "org.freedesktop.DBus.Properties", "Get");
    get << QStringLiteral("org.mpris.MediaPlayer2.Player") << name;
    return client_->call(get).arguments().value(0).value<QDBusVariant>().variant();
  }
  QString PlayingUrl() {
    return qdbus_cast<QVariantMap>(Property("Metadata")).value("xesam:url").toString();
  }
  // Ends the player as the sound menu's Quit does, with dbus-send as the client.
  void QuitThroughTheBus(QProcess& player) {
    QProcess send;
    send.start("dbus-send", {"--bus=" + bus_.Address(), "--print-reply",
                             "--dest=org.mpris.MediaPlayer2.solvane", "/org/mpris/MediaPlayer2",
                             "org.mpris.MediaPlayer2.Quit"});
    EXPECT_TRUE(send.waitForFinished(10000));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().constData();
    ASSERT_TRUE(player.waitForFinished(20000));
    EXPECT_EQ(player.exitCode(), 0);
  }
  QStringList SavedPlayList() const {
    QStringList paths;
    for (const QString& entry : PlayListFile::ReadPlayListFile(home_ + "solvane.pls").entries) {
      paths.append(GeneralFunctions::GetEntrySongPath(entry));
    }
    return paths;
  }

  BusTests::PrivateSessionBus bus_;
  std::unique_ptr<QDBusConnection> client_;
  QString home_;
};

TEST_F(RunningPlayer, SecondStartAddsAndPlaysEnqueueOnlyAdds) {
  const QString first = WriteSong("first.wav");
  const QString second = WriteSong("second.wav");
  QProcess player;
  ProcessTests::StartPlayer(player, Environment());
  ASSERT_TRUE(PlayerOnBus());

  for (const auto& [arguments, playing] :
       {std::pair{QStringList{first}, first}, {QStringList{"--enqueue", second}, first}}) {
    QProcess later;
    ProcessTests::StartPlayer(later, Environment(), arguments);
    ASSERT_TRUE(later.waitForFinished(20000));
    EXPECT_EQ(later.exitCode(), 0) << later.readAllStandardError().constData();
    const QString url = QUrl::fromLocalFile(playing).toString(QUrl::FullyEncoded);
    EXPECT_TRUE(WaitUntil([&] { return PlayingUrl() == url; }, 10000));
    EXPECT_EQ(Property("PlaybackStatus").toString(), "Playing");
  }
  QuitThroughTheBus(player);
  EXPECT_EQ(SavedPlayList().mid(SavedPlayList().size() - 2), QStringList({first, second}));
}

TEST_F(RunningPlayer, SimultaneousStartsMakeOnePlayer) {
  const QStringList songs{WriteSong("one.wav"), WriteSong("two.wav")};
  QProcess players[2];
  for (int i = 0; i < 2; ++i) ProcessTests::StartPlayer(players[i], Environment(), {"--enqueue", songs[i]});
  // QProcess learns of an end only while waiting on it.
  ASSERT_TRUE(WaitUntil([&] { return players[0].waitForFinished(50) || players[1].waitForFinished(50); },
                      30000));
  QProcess& handedOver = players[0].state() == QProcess::NotRunning ? players[0] : players[1];
  QProcess& running = &handedOver == &players[0] ? players[1] : players[0];
  EXPECT_EQ(handedOver.exitCode(), 0) << handedOver.readAllStandardError().constData();
  ASSERT_TRUE(PlayerOnBus());
  EXPECT_TRUE(ProcessTests::WaitUntilRunning(Environment())) << "the running player ended";
  EXPECT_EQ(running.state(), QProcess::Running);
  QuitThroughTheBus(running);
  const QStringList saved = SavedPlayList();
  for (const QString& song : songs) EXPECT_TRUE(saved.contains(song)) << qPrintable(song);
}

// Without a session bus the player runs as before and says nothing about it.
TEST(PlayerWithoutBus, RunsQuietly) {
  const QString home = TestSupport::ProgramFolder();
  ProcessTests::LinkBuiltSkins(home);
  QProcess player;
  ProcessTests::StartPlayer(player, ProcessTests::PlayerEnvironment(home, {}));
  ASSERT_TRUE(WaitUntil([&] { return QFile::exists(home + "solvane.ini"); }, 20000));
  ASSERT_TRUE(ProcessTests::WaitUntilRunning(ProcessTests::PlayerEnvironment(home, {})));
  ::kill(static_cast<pid_t>(player.processId()), SIGTERM);
  ASSERT_TRUE(player.waitForFinished(20000));
  EXPECT_EQ(player.exitCode(), 0);
  const QString said = QString::fromLocal8Bit(player.readAllStandardError());
  EXPECT_FALSE(said.contains("bus", Qt::CaseInsensitive)) << qPrintable(said);
}

// Help and version need no display; an unknown option is refused (once Qt
// has taken its own options out, so that needs one).
TEST(PlayerCommandLine, HelpVersionAndUnknownOptions) {
  const QProcessEnvironment offscreen =
      ProcessTests::PlayerEnvironment(TestSupport::ProgramFolder(), {});
  QProcessEnvironment noDisplay = offscreen;
  noDisplay.insert("QT_QPA_PLATFORM", "xcb");
  noDisplay.remove("DISPLAY");
  noDisplay.remove("WAYLAND_DISPLAY");
  const struct {
    const char* argument;
    const QProcessEnvironment& env;
    int exitCode;
    const char* output;
  } cases[] = {{"--help", noDisplay, 0, "--enqueue"},
               {"--version", noDisplay, 0, "Solvane Audio Player 1.1"},
               {"--bogus", offscreen, 2, "unknown option"}};
  for (const auto& c : cases) {
    QProcess player;
    ProcessTests::StartPlayer(player, c.env, {c.argument});
    ASSERT_TRUE(player.waitForFinished(10000)) << c.argument;
    EXPECT_EQ(player.exitCode(), c.exitCode) << c.argument;
    const QString said = QString::fromLocal8Bit(player.readAllStandardOutput() + player.readAllStandardError());
    EXPECT_TRUE(said.contains(c.output)) << c.argument << ": " << qPrintable(said);
  }
}

}  // namespace
