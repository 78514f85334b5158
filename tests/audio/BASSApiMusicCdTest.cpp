// Tracker modules and CD tracks through the back-end: lengths, read-outs,
// seeking by time, and the sound of each CD track taken from a disc image.

#include "BASSSession.h"
#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/Analysis.h"
#include "mediagen/CdImageWriter.h"
#include "mediagen/ModuleSong.h"
#include "support/TestEnvironment.h"
#include "support/WaitUntil.h"

namespace AudioTests {
namespace {

namespace api = KestrelixAudioApi;
using api::vars;

class BASSApiMusicTest : public BASSSession {
 protected:
  void SetUp() override {
    BASSSession::SetUp();
    StartBackEnd();
  }
};

TEST_F(BASSApiMusicTest, EveryModuleFormatPlaysForItsLengthAndKeepsTheStreamBitRate) {
  const MediaGen::ModuleSong song = MediaGen::SteadyNoteSong(2);
  const std::pair<const char*, bool (*)(const std::string&, const MediaGen::ModuleSong&)> formats[] = {
      {"song.mod", MediaGen::WriteMod}, {"song.xm", MediaGen::WriteXm},
      {"song.s3m", MediaGen::WriteS3m}, {"song.it", MediaGen::WriteIt}};
  for (const auto& [name, write] : formats) {
    SCOPED_TRACE(name);
    const QString path = InFolder(name);
    ASSERT_TRUE(write(path.toStdString(), song));
    vars.BitRate = 192;  // the last stream's read-out
    const MediaGen::PcmAudio out = HearSong(path, [] {
      EXPECT_EQ(vars.FileKind, api::fkMusic);
      EXPECT_EQ(vars.TotalSeconds, 15);  // round(15.36)
      EXPECT_EQ(vars.ChannelCount, 2);
      EXPECT_EQ(vars.Is16Bit, 1);
      EXPECT_EQ(vars.BitRate, 192);
    });
    EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
    EXPECT_NEAR(SoundingSeconds(out), 15.36, 0.3);
    EXPECT_GT(MediaGen::ChannelRms(out, 0, {FirstSoundFrame(out) + 44100, 44100}), 0.02);
  }
}

TEST_F(BASSApiMusicTest, SeekingAModuleGoesByTimeAndCountsElapsedMilliseconds) {
  const QString path = InFolder("song.xm");
  ASSERT_TRUE(MediaGen::WriteXm(path.toStdString(), MediaGen::SteadyNoteSong(2)));
  Load(path);
  vars.PositionPercent = 50;
  api::AudioSetPosition();
  EXPECT_EQ(vars.MusicElapsedMs, 7000);  // 50 % of 15 s, whole seconds
  api::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 7);
  EXPECT_EQ(vars.PositionPercent, 46);  // 7 * 100 div 15
  ASSERT_TRUE(PlayToEnd());
  EXPECT_NEAR(SoundingSeconds(HeardOutput()), 15.36 - 7, 0.3);
}

class BASSApiCdTest : public BASSSession {
 protected:
  void SetUp() override {
    BASSSession::SetUp();
    cue_ = InFolder("disc.cue");
    ASSERT_TRUE(MediaGen::WriteCueBin(cue_.toStdString(), {{{440}, 2.0}, {{660}, 3.0}, {{880}, 1.5}}));
  }
  QString cue_;
};

TEST_F(BASSApiCdTest, EachTrackOfADiscImagePlaysItsOwnToneForItsLength) {
  StartBackEnd();
  struct Track {
    const char* name;
    uint32_t number;
    double frequency;
    double seconds;
  };
  for (const Track& track : {Track{"Track01.cda", 1, 440, 2.0}, Track{"Track2.cda", 2, 660, 3.0},
                             Track{"Track03.cda", 3, 880, 1.5}}) {
    SCOPED_TRACE(track.name);
    const MediaGen::PcmAudio out = HearSong(cue_ + "/" + track.name, [&] {
      EXPECT_EQ(vars.FileKind, api::fkCDTrack);
      EXPECT_EQ(vars.TotalSeconds, int64_t(track.seconds));
      EXPECT_EQ(vars.ChannelCount, 2);
      EXPECT_EQ(BASSApi::state.CDTrack, track.number);
      EXPECT_EQ(vars.CDDBDiscID.size(), 8) << vars.CDDBDiscID.toStdString();
    });
    EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
    EXPECT_NEAR(SoundingSeconds(out), track.seconds, 0.05);
    const int64_t first = FirstSoundFrame(out);
    EXPECT_NEAR(MediaGen::ToneAmplitude(out, 0, track.frequency, {first + 2000, 22050}), 0.5, 0.05);
  }
}

TEST_F(BASSApiCdTest, PauseResumeAndLevelsOfACdTrack) {
  qputenv("SOLVANE_CD_DRIVE", cue_.toLocal8Bit());
  StartBackEnd();
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty()) << "the image is the first drive";
  Load(cue_ + "/Track02.cda");
  ASSERT_TRUE(WaitForMixerWork());
  api::AudioPlay();
  EXPECT_EQ(BASSApi::state.CDPlaying, 1);
  EXPECT_TRUE(TestSupport::WaitUntil([] {
    api::AudioGetLevel();
    return (vars.LevelData & 0xFFFF) > 0;
  })) << "levels come from the recording channel";
  api::AudioPause();
  EXPECT_EQ(BASSApi::state.CDPlaying, 0);
  ASSERT_TRUE(WaitForMixerRest()) << "the paused track goes on playing";
  api::AudioResume();
  EXPECT_EQ(BASSApi::state.CDPlaying, 1);
  vars.PositionPercent = 100;
  api::AudioSetPosition();
  EXPECT_TRUE(WaitForEnd());
}

}  // namespace
}  // namespace AudioTests
