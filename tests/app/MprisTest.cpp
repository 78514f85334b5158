// The player on a private session bus, driven by a second connection as any
// MPRIS client would (media keys, the sound menu, playerctl).
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QTest>
#include <QUrl>

#include <memory>

#include "DeckTestKit.h"
#include "PrivateSessionBus.h"
#include "app/Forms.h"
#include "app/MprisService.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/TaggedFiles.h"
#include "playlist/TPlayListEditorForm.h"
#include "support/TestEnvironment.h"

namespace BusTests {

// Collects the player's PropertiesChanged and Seeked signals.
class SignalRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QVariantMap> changes;
  QList<qlonglong> seeks;

  bool Announced(const QString& property) const {
    for (const QVariantMap& change : changes) {
      if (change.contains(property)) return true;
    }
    return false;
  }

 public slots:
  void PropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
    if (interface == QLatin1String("org.mpris.MediaPlayer2.Player")) changes.append(changed);
  }
  void Seeked(qlonglong position) { seeks.append(position); }
};

namespace {

namespace Audio = KestrelixAudioApi;

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.solvane");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr qlonglong kSecond = 1'000'000;

class Mpris : public DeckTests::DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    if (!bus_.Started()) GTEST_SKIP() << "dbus-daemon is not installed";
  }

  void TearDown() override {
    service_.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("mpris-player"));
    QDBusConnection::disconnectFromBus(QStringLiteral("mpris-client"));
    DeckRun::TearDown();
  }

  void StartOnBus() {
    Start();
    songs_ = {WriteSong("Alpha - One.wav", 30.0), WriteSong("Beta - Two.wav", 30.0)};
    UsePlayList(songs_);
    service_ = std::make_unique<MprisService>(bus_.Connect(QStringLiteral("mpris-player")));
    ASSERT_TRUE(service_->Register());
    ASSERT_EQ(service_->BusName(), kService);
    client_ = std::make_unique<QDBusConnection>(bus_.Connect(QStringLiteral("mpris-client")));
    ASSERT_TRUE(client_->isConnected());
    client_->connect(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                     QStringLiteral("PropertiesChanged"), &recorder_,
                     SLOT(PropertiesChanged(QString, QVariantMap, QStringList)));
    client_->connect(kService, kPath, kPlayer, QStringLiteral("Seeked"), &recorder_,
                     SLOT(Seeked(qlonglong)));
  }

  QDBusMessage Call(const QString& method, const QVariantList& arguments = {},
                    const QString& interface = kPlayer) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
    message.setArguments(arguments);
    QDBusMessage reply = client_->call(message, QDBus::BlockWithGui);
    Deliver();
    return reply;
  }

  QVariant Get(const QString& property, const QString& interface = kPlayer) {
    const QDBusMessage reply = Call(QStringLiteral("Get"), {interface, property},
                                    QStringLiteral("org.freedesktop.DBus.Properties"));
    if (reply.type() != QDBusMessage::ReplyMessage) return {};
    return reply.arguments().value(0).value<QDBusVariant>().variant();
  }

  QVariantMap Metadata() { return qdbus_cast<QVariantMap>(Get(QStringLiteral("Metadata"))); }

  void Set(const QString& property, const QVariant& value) {
    const QDBusMessage reply =
        Call(QStringLiteral("Set"), {kPlayer, property, QVariant::fromValue(QDBusVariant(value))},
             QStringLiteral("org.freedesktop.DBus.Properties"));
    EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << qPrintable(reply.errorMessage());
  }

  // Lets the signals sent so far reach the recorder.
  static void Deliver() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  PrivateSessionBus bus_;
  std::unique_ptr<MprisService> service_;
  std::unique_ptr<QDBusConnection> client_;
  SignalRecorder recorder_;
  QStringList songs_;
};

TEST_F(Mpris, TransportGoesThroughTheDeck) {
  StartOnBus();
  EXPECT_EQ(Get("PlaybackStatus").toString(), "Stopped");
  EXPECT_TRUE(Get("CanPlay").toBool());
  EXPECT_TRUE(Get("CanGoNext").toBool());

  const struct {
    const char* method;
    const char* status;
    int index;
  } steps[] = {
      {"Play", "Playing", 0},  {"Pause", "Paused", 0},   {"Pause", "Paused", 0},
      {"PlayPause", "Playing", 0}, {"Next", "Playing", 1}, {"Previous", "Playing", 0},
      {"PlayPause", "Paused", 0},  {"Play", "Playing", 0}, {"Stop", "Stopped", 0},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.method);
    EXPECT_EQ(Call(step.method).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Get("PlaybackStatus").toString(), step.status);
    EXPECT_EQ(DeckForm->StatusText, step.status);  // the deck shows what the bus did
    EXPECT_EQ(PlayListEditorForm->PlayList.CurrentSongIndex, step.index);
  }
  EXPECT_TRUE(recorder_.Announced("PlaybackStatus"));
}

TEST_F(Mpris, MetadataFollowsTheSongAndIsAnnounced) {
  StartOnBus();
  EXPECT_EQ(qvariant_cast<QDBusObjectPath>(Metadata().value("mpris:trackid")).path(),
            "/org/mpris/MediaPlayer2/TrackList/NoTrack");
  Call("Play");
  Call("Next");
  const QVariantMap metadata = Metadata();
  EXPECT_EQ(qvariant_cast<QDBusObjectPath>(metadata.value("mpris:trackid")).path(),
            "/org/solvane/Track/1");
  EXPECT_EQ(metadata.value("xesam:title").toString(), "Two");
  EXPECT_EQ(metadata.value("xesam:artist").toStringList(), QStringList{"Beta"});
  EXPECT_EQ(metadata.value("xesam:url").toString(), QUrl::fromLocalFile(songs_[1]).toString(QUrl::FullyEncoded));
  EXPECT_TRUE(metadata.value("xesam:url").toString().endsWith("/Beta%20-%20Two.wav"));
  EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 30 * kSecond);

  ASSERT_TRUE(recorder_.Announced("Metadata"));
  const QVariantMap last = [this] {
    QVariantMap found;
    for (const QVariantMap& change : recorder_.changes) {
      if (change.contains("Metadata")) found = qdbus_cast<QVariantMap>(change.value("Metadata"));
    }
    return found;
  }();
  EXPECT_EQ(last.value("xesam:title").toString(), "Two");
}

TEST_F(Mpris, TheAlbumOfTheTagsIsInTheMetadata) {
  StartOnBus();
  const QString tagged = TestSupport::ProgramFolder() + "Gamma - Three.mp3";
  MediaGen::ToneSpec spec;
  spec.seconds = 2.0;
  ASSERT_TRUE(MediaGen::WriteMp3(tagged.toStdString(), MediaGen::MakeTone(spec), 64));
  ASSERT_TRUE(MediaGen::WrapFile(tagged.toStdString(),
                                 MediaGen::Id3v2Tag(3, {MediaGen::Id3TextFrame("TALB", 0, "Some Album")}), {}));
  UsePlayList({songs_[0], tagged});
  ASSERT_TRUE(QTest::qWaitFor([] { return PlayListEditorForm->TagReading.Reader.Idle(); }));
  Call("Play");
  EXPECT_FALSE(Metadata().contains("xesam:album"));
  Call("Next");
  EXPECT_EQ(Metadata().value("xesam:album").toString(), "Some Album");
  EXPECT_EQ(Metadata().value("xesam:title").toString(), "Three");
}

TEST_F(Mpris, SeekAndSetPositionMoveThePausedSong) {
  StartOnBus();
  Call("Play");
  Call("Pause");
  const QDBusObjectPath track = qvariant_cast<QDBusObjectPath>(Metadata().value("mpris:trackid"));

  Call("SetPosition", {QVariant::fromValue(track), 20 * kSecond});
  EXPECT_EQ(Get("Position").toLongLong(), 20 * kSecond);
  Call("Seek", {-5 * kSecond});
  EXPECT_EQ(Get("Position").toLongLong(), 15 * kSecond);
  EXPECT_EQ(Get("PlaybackStatus").toString(), "Paused");  // still paused after the move
  EXPECT_EQ(recorder_.seeks, (QList<qlonglong>{20 * kSecond, 15 * kSecond}));

  // A stale track id, a position past the end and a seek before the start.
  Call("SetPosition", {QVariant::fromValue(QDBusObjectPath("/org/solvane/Track/1")), kSecond});
  Call("SetPosition", {QVariant::fromValue(track), 31 * kSecond});
  EXPECT_EQ(Get("Position").toLongLong(), 15 * kSecond);
  Call("Seek", {-60 * kSecond});
  EXPECT_EQ(Get("Position").toLongLong(), 0);

  // Past the end goes on to the next song.
  Call("Seek", {45 * kSecond});
  EXPECT_EQ(PlayListEditorForm->PlayList.CurrentSongIndex, 1);
  EXPECT_EQ(Get("PlaybackStatus").toString(), "Playing");
}

TEST_F(Mpris, AMoveMadeInTheDeckIsAnnounced) {
  StartOnBus();
  Call("Play");
  Call("Pause");
  service_->PublishChanges();  // the paused song is what the bus knows before the move
  Audio::vars.PositionPercent = 50;  // where a drag of the position slider ends
  DeckForm->PosBarButtonMouseUp();
  DeckForm->Timer1Timer();
  service_->PublishChanges();
  service_->PublishChanges();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !recorder_.seeks.isEmpty(); }, 5000));
  Deliver();
  EXPECT_EQ(recorder_.seeks, QList<qlonglong>{15 * kSecond});
}

TEST_F(Mpris, RepeatShuffleAndVolumeAreTheDecksOwn) {
  StartOnBus();
  Set("LoopStatus", "Playlist");
  EXPECT_TRUE(DeckForm->Settings.RepeatOn);
  EXPECT_TRUE(Shows(DeckForm->RepeatButton, DeckForm->RepeatButtonImageList, 2));
  Set("LoopStatus", "Sometimes");  // not a loop status: nothing changes
  EXPECT_EQ(Get("LoopStatus").toString(), "Playlist");
  Set("LoopStatus", "None");
  EXPECT_FALSE(DeckForm->Settings.RepeatOn);
  EXPECT_TRUE(Shows(DeckForm->RepeatButton, DeckForm->RepeatButtonImageList, 0));

  Set("Shuffle", true);
  EXPECT_TRUE(DeckForm->Settings.ShuffleOn);
  EXPECT_TRUE(Get("Shuffle").toBool());

  for (const auto& [asked, level] : {std::pair{0.25, 25}, {1.7, 100}, {-0.5, 0}}) {
    Set("Volume", asked);
    EXPECT_EQ(Audio::vars.VolumeValue, level);
    EXPECT_EQ(DeckForm->VolumeSliderRecord.Value, level);
    EXPECT_DOUBLE_EQ(Get("Volume").toDouble(), level / 100.0);
  }
  for (const char* property : {"LoopStatus", "Shuffle", "Volume"}) {
    EXPECT_TRUE(recorder_.Announced(property)) << property;
  }
}

TEST_F(Mpris, OpenUriTakesLocalFilesOnly) {
  StartOnBus();
  Call("Play");
  Call("Pause");  // an opened song plays even when another one was paused
  const QString third = WriteSong("Gamma - Three.wav", 30.0);
  const struct {
    QString uri;
    QString error;
  } refused[] = {
      {"http://example.org/song.mp3", "org.freedesktop.DBus.Error.NotSupported"},
      {QUrl::fromLocalFile(TestSupport::ProgramFolder() + "missing.wav").toString(),
       "org.freedesktop.DBus.Error.InvalidArgs"},
  };
  for (const auto& [uri, error] : refused) {
    const QDBusMessage reply = Call("OpenUri", {uri});
    EXPECT_EQ(reply.type(), QDBusMessage::ErrorMessage) << qPrintable(uri);
    EXPECT_EQ(reply.errorName(), error);
  }
  EXPECT_EQ(PlayListEditorForm->PlayList.TotalFiles(), 2);

  EXPECT_EQ(Call("OpenUri", {QUrl::fromLocalFile(third).toString()}).type(),
            QDBusMessage::ReplyMessage);
  EXPECT_EQ(PlayListEditorForm->PlayList.TotalFiles(), 3);
  EXPECT_EQ(PlayListEditorForm->PlayList.CurrentSongIndex, 2);
  EXPECT_EQ(Metadata().value("xesam:title").toString(), "Three");
  EXPECT_EQ(Get("PlaybackStatus").toString(), "Playing");
}

TEST_F(Mpris, RootInterfaceNamesThePlayer) {
  StartOnBus();
  EXPECT_EQ(Get("Identity", kRoot).toString(), "Solvane Audio Player");
  EXPECT_EQ(Get("DesktopEntry", kRoot).toString(), "solvane");
  EXPECT_TRUE(Get("SupportedMimeTypes", kRoot).toStringList().contains("audio/mpeg"));
  EXPECT_EQ(Get("SupportedUriSchemes", kRoot).toStringList(), QStringList{"file"});
  DeckForm->showMinimized();
  EXPECT_EQ(Call("Raise", {}, kRoot).type(), QDBusMessage::ReplyMessage);
  EXPECT_FALSE(DeckForm->isMinimized());
}

// A second player on the same bus keeps working under a name of its own.
TEST_F(Mpris, SecondPlayerTakesAnInstanceName) {
  StartOnBus();
  MprisService second(bus_.Connect(QStringLiteral("mpris-second")));
  ASSERT_TRUE(second.Register());
  EXPECT_TRUE(second.BusName().startsWith(kService + ".instance"));
  QDBusConnection::disconnectFromBus(QStringLiteral("mpris-second"));
}

}  // namespace
}  // namespace BusTests

#include "MprisTest.moc"
