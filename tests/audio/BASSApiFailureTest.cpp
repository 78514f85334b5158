// What the back-end does when things go wrong: registration and read-outs,
// error boxes with their codes, files that are missing or broken, unknown
// kinds and a machine without an audio device. Nothing may crash or hang, and
// the next good song must still play.
#include <QFile>
#include <QRandomGenerator>

#include "BASSSession.h"
#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/WavFile.h"
#include "support/TestEnvironment.h"

namespace AudioTests {
namespace {

namespace api = KestrelixAudioApi;
using api::vars;

class BASSApiFailureTest : public BASSSession {};

TEST_F(BASSApiFailureTest, RegistersAsBackEndOneWithTheEqualizerFrequencies) {
  BASSApi::RegisterBASSApi();
  EXPECT_EQ(api::registry.AudioAPICount, 1);
  const api::AudioAPIToLoadStructure& entry = api::registry.AudioAPIs[1];
  EXPECT_TRUE(entry.LoadRoutine);
  EXPECT_EQ(entry.APIName, "BASS 1.6");
  EXPECT_EQ(entry.APIVersion, "1.6");
  EXPECT_EQ(entry.LibraryFile, "bass.dll");
  EXPECT_TRUE(entry.Description.startsWith("BASS 1.6"));
  EXPECT_EQ(vars.EQBandFrequencies,
            (std::array<int32_t, 10>{31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000}));
  EXPECT_FALSE(api::SelectAudioAPI(0));
}

TEST_F(BASSApiFailureTest, LoadingFillsTheTableAndAFailedChannelGivesACodedBox) {
  StartBackEnd();
  EXPECT_TRUE(api::operations.AudioLoadSong);
  EXPECT_TRUE(api::operations.ApplyEqualizerSettings);
  EXPECT_EQ(vars.FileKind, api::fkNone);
  TestSupport::MessageBoxes().shown.clear();

  Load(InFolder("missing.mp3"));
  ASSERT_FALSE(TestSupport::MessageBoxes().shown.empty());
  const TestSupport::ShownMessage box = TestSupport::MessageBoxes().shown.front();
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "Can't create stream\r\n(error code: 2)");
  EXPECT_EQ(vars.PlayStatus, api::psStopped);
  EXPECT_EQ(BASSApi::state.StreamHandle, 0u);
  EXPECT_EQ(vars.TotalSeconds, 0);
  EXPECT_EQ(vars.BitRate, 0);
  api::AudioGetPosition();  // a 0-second song must not divide by zero
  EXPECT_EQ(vars.PositionPercent, 0);
}

TEST_F(BASSApiFailureTest, UnknownKindShowsUnknownFileTypeAndLeavesBuffersAlone) {
  StartBackEnd();
  TestSupport::MessageBoxes().shown.clear();
  vars.TotalSeconds = 77;
  vars.FFTData.fill(0.5f);
  Load(InFolder("song.mo3"));
  EXPECT_EQ(vars.FileKind, api::fkNone);
  EXPECT_EQ(vars.TotalSeconds, 77);
  api::AudioGetFFTData();
  EXPECT_EQ(vars.FFTData[3], 0.5f);
  api::AudioGetLevel();
  EXPECT_EQ(vars.LevelData, 0u);
  api::AudioPlay();
  EXPECT_EQ(vars.PlayStatus, api::psStopped);
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown[0].text.startsWith("Unknown File Type\r\n(error code: "));
}

QByteArray RandomBytes(int count) {
  QByteArray bytes(count, 0);
  QRandomGenerator generator(1234);
  for (char& byte : bytes) byte = char(generator.bounded(256));
  return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A good file of each extension, to cut short.
QByteArray GoodFileBytes(const QString& folder, const QString& extension) {
  const std::string path = (folder + "good." + extension).toStdString();
  const MediaGen::PcmAudio tone = SineFixture(440, 1.0);
  const MediaGen::ModuleSong song = MediaGen::SteadyNoteSong();
  if (extension == "ogg") MediaGen::WriteOgg(path, tone);
  else if (extension == "wav") MediaGen::WriteWav(path, tone);
  else if (extension.startsWith("mp")) MediaGen::WriteMp3(path, tone);
  else if (extension == "xm") MediaGen::WriteXm(path, song);
  else if (extension == "s3m") MediaGen::WriteS3m(path, song);
  else if (extension == "it") MediaGen::WriteIt(path, song);
  else MediaGen::WriteMod(path, song);
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(BASSApiFailureTest, BrokenFilesOfEveryKindFailCleanlyAndTheNextSongPlays) {
  StartBackEnd();
  const QStringList extensions{"mp3", "mp2", "mp1", "ogg", "wav", "mod", "xm", "s3m", "it", "mtm", "umx"};
  for (const QString& extension : extensions) {
    const QByteArray good = GoodFileBytes(TestSupport::ProgramFolder(), extension);
    struct Broken {
      const char* what;
      QByteArray bytes;
      bool exists;
    };
    for (const Broken& broken : {Broken{"missing", {}, false}, Broken{"empty", {}, true},
                                 Broken{"random", RandomBytes(5000), true},
                                 Broken{"header only", good.left(40), true},
                                 Broken{"cut in half", good.left(good.size() / 2), true}}) {
      SCOPED_TRACE((extension + " " + broken.what).toStdString());
      const QString path = InFolder(QStringLiteral("broken.") + extension);
      QFile::remove(path);
      if (broken.exists) WriteBytes(path, broken.bytes);
      TestSupport::MessageBoxes().shown.clear();
      Load(path);
      const bool ended = PlayToEnd(10);
      if (TestSupport::MessageBoxes().shown.empty()) {
        // A file the decoders accept in part plays what they can read, then ends.
        EXPECT_TRUE(ended);
        EXPECT_STRNE(broken.what, "missing");
        EXPECT_STRNE(broken.what, "empty");
      } else {
        EXPECT_EQ(vars.PlayStatus, api::psStopped);
        EXPECT_EQ(TestSupport::MessageBoxes().shown.front().caption, "Error");
      }
    }
  }
  TestSupport::MessageBoxes().shown.clear();
  Load(WriteWavFixture("good.wav", SineFixture(440, 1.0)));
  EXPECT_TRUE(PlayToEnd());
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
}

TEST_F(BASSApiFailureTest, WithoutAnAudioDeviceThePlayerGoesOnAndReportsEachSong) {
  qputenv("SDL_AUDIODRIVER", "no-such-driver");
  StartBackEnd("unused.wav", "auto");
  qunsetenv("SDL_AUDIODRIVER");
  ASSERT_FALSE(TestSupport::MessageBoxes().shown.empty());
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.front().text.startsWith(
      "Can't initialize digital sound system\r\n(error code: "));
  TestSupport::MessageBoxes().shown.clear();
  Load(WriteWavFixture("good.wav", SineFixture(440, 1.0)));
  api::AudioPlay();
  EXPECT_EQ(vars.PlayStatus, api::psStopped);
  EXPECT_FALSE(TestSupport::MessageBoxes().shown.empty());
}

}  // namespace
}  // namespace AudioTests
