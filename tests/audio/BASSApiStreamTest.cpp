// Stream files through the back-end and the real library, heard through the
// WAV-file output: length and format read-outs, content, seeking, pausing,
// volume, balance and the equalizer.
#include <QFile>
#include <QThread>

#include <cmath>

#include "BASSSession.h"
#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "dsp/EQFilters.h"
#include "mediagen/Analysis.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/TaggedFiles.h"
#include "mediagen/WavFile.h"
#include "support/TestEnvironment.h"

namespace AudioTests {
namespace {

namespace api = KestrelixAudioApi;
using api::vars;
using MediaGen::ChannelRms;
using MediaGen::FrameRange;
using MediaGen::ToneAmplitude;

class BASSApiStreamTest : public BASSSession {
 protected:
  void SetUp() override {
    BASSSession::SetUp();
    StartBackEnd();
    TestSupport::MessageBoxes().shown.clear();  // no CD drive on a test machine
  }
  // Amplitude of `frequency` in the left channel over the sounding part.
  static double Heard(const MediaGen::PcmAudio& out, double frequency, int channel = 0) {
    const int64_t first = FirstSoundFrame(out);
    return ToneAmplitude(out, channel, frequency, {first + 2000, 22050});
  }
};

TEST_F(BASSApiStreamTest, WavPlaysSampleForSampleWithItsLengthAndFormat) {
  const MediaGen::PcmAudio tone = SineFixture(440, 2.0);
  const QString path = WriteWavFixture("tone.wav", tone);
  Load(path);
  EXPECT_EQ(vars.FileKind, api::fkStream);
  EXPECT_EQ(vars.TotalSeconds, 2);
  EXPECT_EQ(vars.ChannelCount, 2);
  EXPECT_EQ(vars.Is16Bit, 1);
  EXPECT_EQ(vars.OutputFrequency, 44100);
  EXPECT_EQ(vars.TextWindowsDirty, 1);
  EXPECT_EQ(vars.BitRate, 1411) << "round(352844 bytes * 8 / 2000)";
  ASSERT_TRUE(PlayToEnd());
  EXPECT_EQ(vars.SongEndedEvent, 1);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  const MediaGen::PcmAudio out = HeardOutput();
  EXPECT_NEAR(SoundingSeconds(out), 2.0, 0.02);
  // At full volume and centre balance the mix is the file itself.
  const int64_t first = FirstSoundFrame(out, 0.0);
  const int64_t fixtureFirst = FirstSoundFrame(tone, 0.0);
  double worst = 0;
  for (int64_t i = 0; i < 44100; ++i) {
    for (int c = 0; c < 2; ++c) {
      worst = std::max(worst, double(std::abs(out.samples[size_t((first + i) * 2 + c)] -
                                              tone.samples[size_t((fixtureFirst + i) * 2 + c)])));
    }
  }
  EXPECT_LT(worst, 0.002);
}

TEST_F(BASSApiStreamTest, ASongOfUnderHalfASecondHasNoLengthToDivideBy) {
  Load(WriteWavFixture("blip.wav", SineFixture(440, 0.3)));
  EXPECT_EQ(vars.TotalSeconds, 0);
  EXPECT_EQ(vars.BitRate, 0);
  vars.PositionPercent = 50;
  api::AudioSetPosition();
  ASSERT_TRUE(PlayToEnd());
  api::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 0);
  EXPECT_EQ(vars.PositionPercent, 0);
  EXPECT_NEAR(SoundingSeconds(HeardOutput()), 0.3, 0.02);
}

TEST_F(BASSApiStreamTest, EightBitMonoWavIsReportedAndHeardOnBothSides) {
  Load(WriteWavFixture("mono8.wav", SineFixture(1000, 1.0, 1, 22050), SF_FORMAT_PCM_U8));
  EXPECT_EQ(vars.ChannelCount, 1);
  EXPECT_EQ(vars.Is16Bit, 0);
  EXPECT_EQ(vars.TotalSeconds, 1);
  ASSERT_TRUE(PlayToEnd());
  const MediaGen::PcmAudio out = HeardOutput();
  EXPECT_NEAR(SoundingSeconds(out), 1.0, 0.03);
  EXPECT_NEAR(Heard(out, 1000, 0), 0.5, 0.05);
  EXPECT_NEAR(Heard(out, 1000, 1), 0.5, 0.05);
}

TEST_F(BASSApiStreamTest, OggAndMpegFilesPlayTheirToneForTheirLength) {
  const QString ogg = InFolder("tone.ogg");
  ASSERT_TRUE(MediaGen::WriteOgg(ogg.toStdString(), SineFixture(660, 3.0)));
  const QString mp3 = InFolder("tone.mp3");
  ASSERT_TRUE(MediaGen::WriteMp3(mp3.toStdString(), SineFixture(880, 3.0, 1), 64));
  // MPEG files are recognised by their extension; the decoder reads any layer.
  const QString mp2 = InFolder("tone.mp2");
  const QString temp = InFolder("tone.mp3.TEMP");
  ASSERT_TRUE(QFile::copy(mp3, mp2));
  ASSERT_TRUE(QFile::copy(mp3, temp));

  struct Case {
    QString path;
    double frequency;
    int channels;
  };
  for (const Case& song : {Case{ogg, 660, 2}, Case{mp3, 880, 1}, Case{mp2, 880, 1}, Case{temp, 880, 1}}) {
    SCOPED_TRACE(song.path.toStdString());
    const MediaGen::PcmAudio out = HearSong(song.path, [&song] {
      EXPECT_EQ(vars.FileKind, api::fkStream);
      EXPECT_EQ(vars.TotalSeconds, 3);
      EXPECT_EQ(vars.ChannelCount, song.channels);
      if (song.channels == 1) {
        EXPECT_NEAR(vars.BitRate, 64, 3);
      }
    });
    EXPECT_NEAR(SoundingSeconds(out), 3.0, 0.1);
    EXPECT_NEAR(Heard(out, song.frequency, 0), 0.5, 0.05);
    EXPECT_NEAR(Heard(out, song.frequency, 1), 0.5, 0.05);
  }
}

// One second each of 300, 400, ... 1200 Hz.
MediaGen::PcmAudio Staircase() {
  MediaGen::PcmAudio audio = SineFixture(300, 1.0);
  for (int step = 1; step < 10; ++step) MediaGen::Append(audio, SineFixture(300 + 100 * step, 1.0));
  return audio;
}

TEST_F(BASSApiStreamTest, SeekingStartsFromTheChosenSecondAndReportsThePosition) {
  Load(WriteWavFixture("staircase.wav", Staircase()));
  ASSERT_EQ(vars.TotalSeconds, 10);
  vars.PositionPercent = 50;
  api::AudioSetPosition();
  api::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 5);
  EXPECT_EQ(vars.PositionPercent, 50);
  ASSERT_TRUE(PlayToEnd());
  api::AudioGetPosition();
  EXPECT_EQ(vars.PositionPercent, 100);
  const MediaGen::PcmAudio out = HeardOutput();
  EXPECT_NEAR(SoundingSeconds(out), 5.0, 0.05);
  const int64_t first = FirstSoundFrame(out);
  EXPECT_NEAR(ToneAmplitude(out, 0, 800, {first + 2000, 40000}), 0.5, 0.05);
  EXPECT_LT(ToneAmplitude(out, 0, 300, {0, -1}), 0.01);
}

// FLAC (any extension: found by content) and Opus (decoded at 48 kHz, also
// inside a file named .ogg): length, read-outs (the sample rate is the mix's,
// as for every stream), seeking and the heard tone.
TEST_F(BASSApiStreamTest, FlacAndOpusPlayWithTheirLengthReadOutsAndSeeking) {
  const QString flac = InFolder("staircase.flac");
  ASSERT_TRUE(MediaGen::WriteFlac(flac.toStdString(), Staircase()));
  const QString flacNamedWav = InFolder("flac inside.wav");
  ASSERT_TRUE(QFile::copy(flac, flacNamedWav));
  MediaGen::PcmAudio mono = Staircase();
  for (size_t i = 0; i < mono.samples.size() / 2; ++i) mono.samples[i] = mono.samples[i * 2];
  mono.samples.resize(mono.samples.size() / 2);
  mono.channels = 1;
  const QString opus = InFolder("staircase.opus");
  ASSERT_TRUE(MediaGen::WriteOpus(opus.toStdString(), mono));
  const QString opusNamedOgg = InFolder("opus inside.ogg");
  ASSERT_TRUE(QFile::copy(opus, opusNamedOgg));

  struct Case {
    QString path;
    int channels, lowestBitRate, highestBitRate;
  };
  for (const Case& song : {Case{flac, 2, 100, 1411}, Case{flacNamedWav, 2, 100, 1411}, Case{opus, 1, 40, 90},
                           Case{opusNamedOgg, 1, 40, 90}}) {
    SCOPED_TRACE(song.path.toStdString());
    const MediaGen::PcmAudio out = HearSong(song.path, [&song] {
      EXPECT_EQ(vars.FileKind, api::fkStream);
      EXPECT_EQ(vars.TotalSeconds, 10);
      EXPECT_EQ(vars.ChannelCount, song.channels);
      EXPECT_EQ(vars.OutputFrequency, 44100);
      EXPECT_GE(vars.BitRate, song.lowestBitRate);
      EXPECT_LE(vars.BitRate, song.highestBitRate);
      vars.PositionPercent = 50;
      api::AudioSetPosition();
      api::AudioGetPosition();
      EXPECT_EQ(vars.ElapsedSeconds, 5);
    });
    EXPECT_NEAR(SoundingSeconds(out), 5.0, 0.1);
    const int64_t first = FirstSoundFrame(out);
    EXPECT_NEAR(ToneAmplitude(out, 0, 800, {first + 2000, 40000}), 0.5, 0.05);
    EXPECT_NEAR(ToneAmplitude(out, 1, 800, {first + 2000, 40000}), 0.5, 0.05);
    EXPECT_LT(ToneAmplitude(out, 0, 300, {0, -1}), 0.01);
  }
}

TEST_F(BASSApiStreamTest, PauseHoldsThePositionAndResumeOrStopFollow) {
  Load(WriteWavFixture("staircase.wav", Staircase()));
  api::AudioPlay();
  QThread::msleep(300);  // about 2.4 s of the song at the test pace
  api::AudioPause();
  EXPECT_EQ(vars.PlayStatus, api::psPaused);
  QThread::msleep(50);  // a block being mixed as the pause came still moves the position
  api::AudioGetPosition();
  const int64_t pausedAt = vars.ElapsedSeconds;
  EXPECT_GT(pausedAt, 0);
  QThread::msleep(300);
  api::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, pausedAt);
  api::AudioCheckEndOfSong();
  EXPECT_EQ(vars.PlayStatus, api::psPaused) << "a paused song has not ended";

  api::AudioResume();
  EXPECT_EQ(vars.PlayStatus, api::psPlaying);
  QThread::msleep(200);
  api::AudioGetPosition();
  EXPECT_GT(vars.ElapsedSeconds, pausedAt);

  api::AudioStop();
  EXPECT_EQ(vars.PlayStatus, api::psStopped);
  QThread::msleep(100);
  api::AudioCheckEndOfSong();
  EXPECT_EQ(vars.PlayStatus, api::psStopped);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
}

TEST_F(BASSApiStreamTest, VolumeAndBalanceScaleTheHeardSamples) {
  const QString path = WriteWavFixture("tone.wav", SineFixture(500, 1.0));
  auto hear = [&](int volume, int balance) {
    const MediaGen::PcmAudio out = HearSong(path, [=] {
      vars.VolumeValue = volume;
      vars.BalanceValue = balance;
    });
    return std::pair{Heard(out, 500, 0), Heard(out, 500, 1)};
  };
  const auto [fullLeft, fullRight] = hear(100, 50);
  EXPECT_NEAR(fullLeft, 0.5, 0.03);
  EXPECT_NEAR(fullRight, 0.5, 0.03);
  const auto [halfLeft, halfRight] = hear(50, 50);
  EXPECT_LT(halfLeft, 0.4) << "half volume is quieter";
  EXPECT_GT(halfLeft, 0.05);
  EXPECT_NEAR(halfLeft, halfRight, 0.01);
  const auto [leftOnlyLeft, leftOnlyRight] = hear(100, 0);
  EXPECT_GT(leftOnlyLeft, 0.45) << "balance 0 is all left";
  EXPECT_LT(leftOnlyRight, 0.01);
  const auto [rightOnlyLeft, rightOnlyRight] = hear(100, 100);
  EXPECT_LT(rightOnlyLeft, 0.01) << "balance 100 is all right";
  EXPECT_GT(rightOnlyRight, 0.45);
}

class BASSApiEqualizerTest : public BASSApiStreamTest {
 protected:
  void PlayWithEqualizer(const QString& path, std::array<int32_t, 10> bands) {
    vars.EQEnabled = 1;
    vars.EQPreAmpValue = 50;
    vars.EQBandValues = bands;
    api::ApplyEqualizerSettings();
    Load(path);
    api::AttachEqualizer();
    ASSERT_TRUE(PlayToEnd());
    api::DetachEqualizer();
  }
};

TEST_F(BASSApiEqualizerTest, SlidersReachTheFilterOnlyWhileTheEqualizerIsOn) {
  vars.EQEnabled = 1;
  vars.EQPreAmpValue = 50;
  vars.EQBandValues = {50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  api::ApplyEqualizerSettings();
  vars.EQEnabled = 0;
  vars.EQPreAmpValue = 100;
  vars.EQBandValues = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  api::ApplyEqualizerSettings();
  EXPECT_EQ(EQFilters::FilterTable()[0].Gain, 0.0);
  EXPECT_NEAR(EQFilters::FilterTable()[EQFilters::kOutputRecord].PreAmp, 0.9999, 1e-15);
}

TEST_F(BASSApiEqualizerTest, FlatEqualizerPassesNineNineNineNinePercent) {
  const MediaGen::PcmAudio tone = SineFixture(440, 1.0);
  PlayWithEqualizer(WriteWavFixture("tone.wav", tone), {50, 50, 50, 50, 50, 50, 50, 50, 50, 50});
  const MediaGen::PcmAudio out = HeardOutput();
  const int64_t first = FirstSoundFrame(out, 0.0);
  const int64_t fixtureFirst = FirstSoundFrame(tone, 0.0);
  const std::vector<int16_t> in16 = MediaGen::ToInt16(tone);
  int mismatches = 0;
  for (int64_t i = 0; i < 40000; ++i) {
    const auto expected = int16_t(0.9999 * in16[size_t((fixtureFirst + i) * 2)]);
    const auto heard = int16_t(std::lround(out.samples[size_t((first + i) * 2)] * 32768.0));
    if (std::abs(heard - expected) > 1) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(BASSApiEqualizerTest, BoostAt1kHzRaisesThatToneAndLeavesTheLowOne) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {62, 1000};
  spec.amplitude = 0.4;
  spec.seconds = 1.5;
  const QString path = WriteWavFixture("chord.wav", MediaGen::MakeTone(spec));
  PlayWithEqualizer(path, {50, 50, 50, 50, 50, 100, 50, 50, 50, 50});
  const MediaGen::PcmAudio out = HeardOutput();
  const int64_t first = FirstSoundFrame(out);
  const FrameRange steady{first + 22050, 22050};
  EXPECT_GT(ToneAmplitude(out, 0, 1000, steady), 0.2 * 1.3);
  EXPECT_NEAR(ToneAmplitude(out, 0, 62, steady), 0.2, 0.2 * 0.08);
}

// The 1K slider at its top, heard through the WAV output: a chord an octave
// either side of 1 kHz gets the gains it gets from a 44,100 Hz file, whatever
// the file's rate, mono or stereo.
TEST_F(BASSApiEqualizerTest, TheSameSliderGivesTheSameGainsAtEverySourceRate) {
  const std::vector<double> tones{500, 1000, 2000};
  const auto gainsDb = [&](int rate, int channels) {
    MediaGen::ToneSpec spec;
    spec.frequencies = tones;
    spec.seconds = 2;
    spec.sampleRate = rate;
    spec.channels = channels;
    spec.amplitude = 0.3;
    const MediaGen::PcmAudio source = MediaGen::MakeTone(spec);
    const MediaGen::PcmAudio heard =
        HearSong(WriteWavFixture(QStringLiteral("chord%1x%2.wav").arg(rate).arg(channels), source), [] {
          vars.EQEnabled = 1;
          vars.EQPreAmpValue = 50;
          vars.EQBandValues = {50, 50, 50, 50, 50, 100, 50, 50, 50, 50};
          api::ApplyEqualizerSettings();
          api::AttachEqualizer();
        });
    // One second holds whole cycles of every tone, so they do not leak into each other.
    const FrameRange played{FirstSoundFrame(heard) + 22050, 44100};
    std::vector<double> gains;
    for (const double tone : tones) {
      gains.push_back(20 * std::log10(ToneAmplitude(heard, 0, tone, played) /
                                      ToneAmplitude(source, 0, tone, {rate / 2, rate})));
    }
    return gains;
  };
  const std::vector<double> reference = gainsDb(44100, 2);
  EXPECT_NEAR(reference[1], 6.0, 0.2) << "the band's own centre";
  for (const int rate : {8000, 11025, 16000, 22050, 32000, 44100, 48000, 96000}) {
    for (const int channels : {1, 2}) {
      const std::vector<double> gains = gainsDb(rate, channels);
      for (size_t i = 0; i < tones.size(); ++i) {
        EXPECT_NEAR(gains[i], reference[i], 0.3) << tones[i] << " Hz from " << rate << " Hz, " << channels << " channels";
      }
    }
  }
}

// The user-interface thread seeks, pauses, resumes, stops, restarts and
// changes the equalizer while the mixer plays the song and filters it, and
// reads the song's data all along. Run under ThreadSanitizer this shows any
// state the threads share without a guard; anywhere it shows the song
// still plays where it was sent.
TEST_F(BASSApiEqualizerTest, TransportAndEqualizerChangesWhileTheMixerPlays) {
  Load(WriteWavFixture("long.wav", SineFixture(440, 20.0, 2, 48000)));
  vars.EQEnabled = 1;
  api::ApplyEqualizerSettings();
  api::AttachEqualizer();
  api::AudioPlay();
  for (int round = 0; round < 150; ++round) {
    vars.PositionPercent = round % 90;
    api::AudioSetPosition();
    if (round % 10 == 3) api::AudioPause();
    if (round % 10 == 6) api::AudioResume();
    if (round % 50 == 8) {
      api::AudioStop();
      api::AudioPlay();
    }
    vars.EQBandValues[size_t(round % 10)] = round % 101;
    api::ApplyEqualizerSettings();
    api::AudioGetPosition();
    api::AudioGetFFTData();
    api::AudioGetWaveData();
    api::AudioGetLevel();
    QThread::msleep(1);
  }
  vars.PositionPercent = 50;
  api::AudioSetPosition();
  api::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 10);
  EXPECT_EQ(vars.PlayStatus, api::psPlaying);
  api::AudioCheckEndOfSong();
  EXPECT_EQ(vars.PlayStatus, api::psPlaying);
  api::DetachEqualizer();
  api::AudioStop();
}

TEST_F(BASSApiStreamTest, VisualizationDataFollowsThePlayingSong) {
  Load(WriteWavFixture("loud.wav", SineFixture(2000, 4.0, 2, 44100, 0.9)));
  api::AudioPlay();
  QThread::msleep(150);
  api::AudioGetLevel();
  api::AudioGetWaveData();
  api::AudioGetFFTData();
  api::AudioGetCPU();
  EXPECT_GT(vars.LevelData & 0xFFFF, 64u);
  EXPECT_GT(vars.LevelData >> 16, 64u);
  int16_t loudest = 0;
  for (const auto& frame : vars.WaveData) loudest = std::max<int16_t>(loudest, int16_t(std::abs(frame[0])));
  EXPECT_GT(loudest, 10000);
  const auto peak = std::max_element(vars.FFTData.begin(), vars.FFTData.end()) - vars.FFTData.begin();
  EXPECT_NEAR(double(peak), 2000.0 * 1024 / 44100, 1.5);
  EXPECT_GE(vars.CPUUsage, 0.0L);
  api::AudioStop();
}

}  // namespace
}  // namespace AudioTests
