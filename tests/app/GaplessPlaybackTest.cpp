// Songs that follow each other through the deck, heard through the WAV
// output: the second one's first sample comes right after the first one's
// last, and the deck and the playlist move to it once, when it starts.
#include <QFile>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/WavFile.h"
#include "platform/bass/bass.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"
#include "support/TestEnvironment.h"

namespace DeckTests {
namespace {

namespace Audio = KestrelixAudioApi;
using Audio::vars;

constexpr double kAmplitude = 0.5;
constexpr double kLowHz = 300, kHighHz = 1500;

// One continuous sweep from kLowHz to kHighHz, cut into two songs at its middle.
std::pair<MediaGen::PcmAudio, MediaGen::PcmAudio> SweepHalves(int rate, int channels, double seconds) {
  const auto frames = int64_t(rate * seconds);
  MediaGen::PcmAudio first{rate, channels, {}}, second{rate, channels, {}};
  double phase = 0;
  for (int64_t i = 0; i < frames; ++i) {
    const double hz = kLowHz + (kHighHz - kLowHz) * double(i) / double(frames);
    phase += 2 * std::numbers::pi * hz / rate;
    auto& half = i < frames / 2 ? first : second;
    for (int c = 0; c < channels; ++c) half.samples.push_back(float(kAmplitude * std::sin(phase)));
  }
  return {first, second};
}

struct SongFormat {
  int rate;
  int channels;
  bool mp3;
};

QString WriteHalf(const QString& name, const MediaGen::PcmAudio& audio, bool mp3) {
  const QString path = TestSupport::ProgramFolder() + name + (mp3 ? ".mp3" : ".wav");
  EXPECT_TRUE(mp3 ? MediaGen::WriteMp3(path.toStdString(), audio, 192) : MediaGen::WriteWav(path.toStdString(), audio));
  return path;
}

bool QuietFrame(const MediaGen::PcmAudio& audio, int64_t frame) {
  for (int c = 0; c < audio.channels; ++c)
    if (std::abs(audio.samples[size_t(frame * audio.channels + c)]) > 1e-3) return false;
  return true;
}

// The frames from the first to the last that sound.
std::pair<int64_t, int64_t> SoundingFrames(const MediaGen::PcmAudio& audio) {
  int64_t first = 0, last = audio.Frames() - 1;
  while (first < audio.Frames() && QuietFrame(audio, first)) ++first;
  while (last > first && QuietFrame(audio, last)) --last;
  return {first, last};
}

// The longest run of quiet frames between the first and the last sound.
int64_t LongestSilence(const MediaGen::PcmAudio& audio) {
  const auto [first, last] = SoundingFrames(audio);
  int64_t longest = 0, run = 0;
  for (int64_t frame = first; frame <= last; ++frame) {
    run = QuietFrame(audio, frame) ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

double SoundingSeconds(const MediaGen::PcmAudio& audio) {
  const auto [first, last] = SoundingFrames(audio);
  return double(last - first + 1) / audio.sampleRate;
}

// The largest step between two neighbouring samples of the left channel.
double LargestStep(const MediaGen::PcmAudio& audio) {
  double largest = 0;
  for (size_t i = size_t(audio.channels); i < audio.samples.size(); i += size_t(audio.channels))
    largest = std::max(largest, double(std::abs(audio.samples[i] - audio.samples[i - size_t(audio.channels)])));
  return largest;
}

double Peak(const MediaGen::PcmAudio& audio) {
  double peak = 0;
  for (const float sample : audio.samples) peak = std::max(peak, double(std::abs(sample)));
  return peak;
}

double SecondsPlayedOfSong() {
  const DWORD handle = vars.FileKind == Audio::fkStream ? BASSApi::state.StreamHandle : BASSApi::state.MusicHandle;
  return BASS_ChannelBytes2Seconds(handle, BASS_ChannelGetPosition(handle));
}

int CurrentIndex() { return PlayListEditorForm->PlayList.CurrentSongIndex; }

class GaplessPlayback : public DeckRun {};

TEST_F(GaplessPlayback, TheNextSongStartsWithTheSampleAfterTheLastAndTheDeckFollowsOnce) {
  struct Case {
    const char* name;
    SongFormat first, second;
    bool gapless;
    int64_t allowedSilence;  // frames; -1: not looked at (the gap depends on the timer)
    bool continuous;         // no step larger than the sweep's own
  };
  const std::vector<Case> cases{
      {"WAV to WAV", {44100, 2, false}, {44100, 2, false}, true, 2, true},
      {"WAV to WAV, resampled", {48000, 2, false}, {48000, 2, false}, true, 2, true},
      {"MP3 to MP3 cut by the encoder", {44100, 2, true}, {44100, 2, true}, true, 2, true},
      {"another rate and channel count", {44100, 2, false}, {22050, 1, false}, true, 1024, false},
      {"gapless switched off", {44100, 2, false}, {44100, 2, false}, false, -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QString::fromLatin1(c.name).replace(' ', '_');
    auto [firstHalf, secondHalf] = SweepHalves(c.first.rate, c.first.channels, 3.0);
    if (c.second.rate != c.first.rate || c.second.channels != c.first.channels)
      secondHalf = SweepHalves(c.second.rate, c.second.channels, 3.0).second;
    const QString first = WriteHalf(name + "_1", firstHalf, c.first.mp3);
    const QString second = WriteHalf(name + "_2", secondHalf, c.second.mp3);

    QFile::remove(outputPath_);
    Audio::ResetAudioApi();
    Start();
    DeckForm->Settings.GaplessPlayback = c.gapless;
    UsePlayList({first, second});
    Click(DeckForm->PlayButton);
    std::vector<int> indexes{CurrentIndex()};
    double secondsIntoSecondSong = -1;
    ASSERT_TRUE(TickUntil([&] {
      if (CurrentIndex() != indexes.back()) {
        indexes.push_back(CurrentIndex());
        if (indexes.size() == 2) secondsIntoSecondSong = SecondsPlayedOfSong();
      }
      return vars.PlayStatus == Audio::psStopped;
    }));
    Stop();
    // 0 plays, 1 follows, then the list ends and 0 is loaded, stopped.
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 0}));
    if (c.gapless) {
      // The deck moved while the second song had just begun (ticks are
      // 20 ms apart, eight times faster than real time).
      EXPECT_GE(secondsIntoSecondSong, 0.0);
      EXPECT_LT(secondsIntoSecondSong, 0.6);
    }

    const MediaGen::PcmAudio heard = HeardOutput();
    const int64_t silence = LongestSilence(heard);
    if (c.allowedSilence >= 0) {
      EXPECT_LE(silence, c.allowedSilence);
    }
    // Both halves were heard, once each.
    EXPECT_NEAR(SoundingSeconds(heard), 3.0, 0.05 + double(silence) / heard.sampleRate);
    if (c.continuous) {
      const double sweepStep = 2 * std::numbers::pi * kHighHz / heard.sampleRate * Peak(heard);
      EXPECT_LE(LargestStep(heard), sweepStep * 1.1 + (c.first.mp3 ? 0.02 : 0.002));
    }
  }
}

}  // namespace
}  // namespace DeckTests
