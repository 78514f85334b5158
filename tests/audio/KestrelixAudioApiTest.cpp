#include <gtest/gtest.h>

#include "audio/KestrelixAudioApi.h"
#include "audio/TSelectAudioApiForm.h"
#include "support/TestEnvironment.h"

#include <QListWidget>

namespace kaa = KestrelixAudioApi;

namespace {

class AudioApiTest : public testing::Test {
 protected:
  void SetUp() override { kaa::ResetAudioApi(); }
  void TearDown() override { kaa::ResetAudioApi(); }
};

kaa::AudioAPIToLoadStructure Backend(int* loads) {
  kaa::AudioAPIToLoadStructure entry;
  entry.LoadRoutine = [loads] { ++*loads; };
  entry.APIName = "Test";
  return entry;
}

}  // namespace

TEST(SecondsToHMS, SplitsAndJoinsWithTruncatingDivision) {
  const auto hms = kaa::SecondsToHMS(3 * 3600 + 25 * 60 + 7);
  EXPECT_EQ(hms.hours, 3);
  EXPECT_EQ(hms.minutes, 25);
  EXPECT_EQ(hms.seconds60, 7);
  EXPECT_EQ(kaa::HMSToSeconds(3, 25, 7), 3 * 3600 + 25 * 60 + 7);

  const auto zero = kaa::SecondsToHMS(0);
  EXPECT_EQ(zero.hours + zero.minutes + zero.seconds60, 0);

  // More than 24 hours stays in the hours, not wrapped.
  EXPECT_EQ(kaa::SecondsToHMS(100 * 3600 + 59).hours, 100);

  const auto negative = kaa::SecondsToHMS(-61);
  EXPECT_EQ(negative.hours, 0);
  EXPECT_EQ(negative.minutes, -1);
  EXPECT_EQ(negative.seconds60, -1);
}

TEST(FileKindOfPath, StreamsMusicsAndCDTracksByExtension) {
  EXPECT_EQ(kaa::FileKindOfPath("/music/a.mp3").fileKind, kaa::fkStream);
  EXPECT_EQ(kaa::FileKindOfPath("/music/a.Mp2").fileKind, kaa::fkStream);
  EXPECT_EQ(kaa::FileKindOfPath("/music/a.ogg").fileKind, kaa::fkStream);
  EXPECT_EQ(kaa::FileKindOfPath("/music/a.WAV").fileKind, kaa::fkStream);
  EXPECT_EQ(kaa::FileKindOfPath("/music/a.flac").fileKind, kaa::fkStream);
  EXPECT_EQ(kaa::FileKindOfPath("/music/a.OPUS").fileKind, kaa::fkStream);
  for (const char* module : {"x.xm", "x.MOD", "x.s3m", "x.it", "x.mtm", "x.umx"}) {
    EXPECT_EQ(kaa::FileKindOfPath(QString("/mods/") + module).fileKind, kaa::fkMusic) << module;
  }
  EXPECT_EQ(kaa::FileKindOfPath("/mods/song.mo3").fileKind, kaa::fkNone);
  EXPECT_EQ(kaa::FileKindOfPath("/music/noextension").fileKind, kaa::fkNone);
  // A dot in a folder name is not the file's extension.
  EXPECT_EQ(kaa::FileKindOfPath("/music/best.mp3/readme").fileKind, kaa::fkNone);
}

TEST(FileKindOfPath, TempSuffixUsesTheExtensionBeneathIt) {
  EXPECT_EQ(kaa::FileKindOfPath("/dl/song.mp3.TEMP").fileKind, kaa::fkStream);
  EXPECT_EQ(kaa::FileKindOfPath("/dl/song.xm.temp").fileKind, kaa::fkMusic);
  EXPECT_EQ(kaa::FileKindOfPath("/dl/song.temp").fileKind, kaa::fkNone);
}

TEST(FileKindOfPath, CDTrackNumbersComeFromTheFileName) {
  const auto one = kaa::FileKindOfPath("/dev/sr0/Track1.cda");
  EXPECT_EQ(one.fileKind, kaa::fkCDTrack);
  EXPECT_EQ(one.cdTrack, 1);
  EXPECT_EQ(kaa::FileKindOfPath("/dev/sr0/Track01.cda").cdTrack, 1);
  EXPECT_EQ(kaa::FileKindOfPath("/home/u/disc.cue/Track12.CDA").cdTrack, 12);
  // Names that do not follow Track, number, ".cda" give no track.
  EXPECT_EQ(kaa::FileKindOfPath("/dev/sr0/Intro.cda").cdTrack, 0);
  EXPECT_EQ(kaa::FileKindOfPath("/dev/sr0/Track.cda").cdTrack, 0);
  EXPECT_EQ(kaa::FileKindOfPath("/dev/sr0/Track00.cda").cdTrack, 0);
}

TEST_F(AudioApiTest, SelectingAnEmptyEntryChangesNothing) {
  int loads = 0;
  kaa::RegisterAudioAPI(1, Backend(&loads));
  EXPECT_EQ(kaa::registry.AudioAPICount, 1);
  ASSERT_TRUE(kaa::SelectAudioAPI(1));
  EXPECT_FALSE(kaa::SelectAudioAPI(0));
  EXPECT_FALSE(kaa::SelectAudioAPI(-1));
  EXPECT_FALSE(kaa::SelectAudioAPI(kaa::kMaxAudioAPIs));
  EXPECT_EQ(kaa::registry.SelectedAudioAPI, 1);
  EXPECT_EQ(kaa::registry.CurrentAudioAPI.APIName, "Test");
  EXPECT_EQ(loads, 0) << "selecting must not run the load routine";
}

TEST_F(AudioApiTest, LoadingRunsTheBackendAtIndexOne) {
  int loads = 0;
  kaa::RegisterAudioAPI(1, Backend(&loads));
  kaa::LoadSelectedAudioAPI();
  EXPECT_EQ(loads, 1);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
}

TEST_F(AudioApiTest, LoadingWithoutBackendReportsAndLeavesTheTableEmpty) {
  kaa::LoadSelectedAudioAPI();
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].text, "Error Loading Audio API");
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].caption, "Audio API Message");
  // Every operation is then harmless.
  kaa::AudioLoadSong();
  kaa::AudioPlay();
  kaa::AudioCheckEndOfSong();
  kaa::AudioFree();
  EXPECT_EQ(kaa::vars.PlayStatus, kaa::psStopped);
}

TEST_F(AudioApiTest, OperationsGoThroughTheTable) {
  std::vector<std::string> calls;
  kaa::operations.AudioPlay = [&] { calls.push_back("play"); kaa::vars.PlayStatus = kaa::psPlaying; };
  kaa::operations.AudioStop = [&] { calls.push_back("stop"); };
  kaa::AudioPlay();
  kaa::AudioStop();
  kaa::AudioPause();  // empty slot
  EXPECT_EQ(calls, (std::vector<std::string>{"play", "stop"}));
  EXPECT_EQ(kaa::vars.PlayStatus, kaa::psPlaying);
}

TEST_F(AudioApiTest, ObserversHearOfEveryChangeOfPlayStatusUntilRemoved) {
  kaa::operations.AudioPlay = [] { kaa::vars.PlayStatus = kaa::psPlaying; };
  kaa::operations.AudioGetPosition = [] {};
  int told = 0;
  const int id = kaa::AddPlayStatusObserver([&told] { ++told; });
  kaa::AudioPlay();
  EXPECT_EQ(told, 1);
  kaa::AudioPlay();         // already playing
  kaa::AudioGetPosition();  // changes nothing
  EXPECT_EQ(told, 1);
  kaa::vars.PlayStatus = kaa::psStopped;
  kaa::RemovePlayStatusObserver(id);
  kaa::AudioPlay();
  EXPECT_EQ(told, 1);
}

TEST_F(AudioApiTest, ChooserDoubleClickSelectsOnlyRegisteredEntries) {
  int loads = 0;
  kaa::RegisterAudioAPI(1, Backend(&loads));
  kaa::SelectAudioAPI(1);
  TSelectAudioApiForm chooser;
  ASSERT_EQ(chooser.AudioAPIsListBox->count(), 2);
  EXPECT_EQ(chooser.AudioAPIsListBox->item(0)->text(), "XAudio   API Output");
  EXPECT_EQ(chooser.AudioAPIsListBox->item(1)->text(), "Bass 1.6 API OutPut");
  chooser.AudioAPIsListBoxDblClick(chooser.AudioAPIsListBox->item(0));
  EXPECT_EQ(kaa::registry.SelectedAudioAPI, 1);
  EXPECT_EQ(loads, 0);
}
