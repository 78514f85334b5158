// What reaches the output and the taps: channel volume and pan, master volume,
// DSP procedures, level, waveform and spectrum, and the recording loopback.
#include <algorithm>
#include <atomic>
#include <cmath>
#include <chrono>
#include <map>
#include <thread>
#include <utility>
#include <vector>

#include "BassTestKit.h"
#include "platform/bass/Taps.h"

using namespace BassTestKit;

namespace {

class MixTest : public BassTest {
 protected:
  // Plays the stream from its start to its end.
  void PlayThrough(HSTREAM stream) {
    ASSERT_TRUE(BASS_ChannelSetPosition(stream, 0));
    ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
    ASSERT_TRUE(WaitUntilInactive(stream));
  }
};

Pcm16 Constant(int16_t left, int16_t right, size_t frames) {
  Pcm16 pcm;
  for (size_t i = 0; i < frames; ++i) pcm.samples.insert(pcm.samples.end(), {left, right});
  return pcm;
}

std::map<std::pair<int16_t, int16_t>, size_t> FrameCounts(const Pcm16& pcm) {
  std::map<std::pair<int16_t, int16_t>, size_t> counts;
  for (size_t i = 0; i < pcm.Frames(); ++i) ++counts[{pcm.samples[2 * i], pcm.samples[2 * i + 1]}];
  return counts;
}

TEST_F(MixTest, VolumePanAndMasterVolumeScaleTheOutputSamples) {
  const HSTREAM stream = OpenStream(WriteWav("constant.wav", Constant(20000, -12000, 4410)));
  ASSERT_TRUE(BASS_ChannelSetAttributes(stream, -1, 50, -101));
  PlayThrough(stream);
  ASSERT_TRUE(BASS_ChannelSetAttributes(stream, -1, 100, -100));
  PlayThrough(stream);
  ASSERT_TRUE(BASS_ChannelSetAttributes(stream, -1, -1, 50));
  PlayThrough(stream);
  ASSERT_TRUE(BASS_ChannelSetAttributes(stream, -1, -1, 0));
  ASSERT_TRUE(BASS_SetVolume(25));
  EXPECT_EQ(BASS_GetVolume(), 25);
  PlayThrough(stream);
  EXPECT_FALSE(BASS_SetVolume(101));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ILLPARAM});

  DWORD freq = 0, volume = 0;
  int pan = 1;
  ASSERT_TRUE(BASS_ChannelGetAttributes(stream, &freq, &volume, &pan));
  EXPECT_EQ(freq, 44100u);
  EXPECT_EQ(volume, 100u);
  EXPECT_EQ(pan, 0);

  auto counts = FrameCounts(FinishAndReadOutput());
  EXPECT_EQ((counts[{10000, -6000}]), 4410u);   // volume 50
  EXPECT_EQ((counts[{20000, 0}]), 4410u);       // pan fully left
  EXPECT_EQ((counts[{10000, -12000}]), 4410u);  // pan half right lowers the left side
  EXPECT_EQ((counts[{5000, -3000}]), 4410u);    // master volume 25
}

TEST_F(MixTest, TwoChannelsAddUpAndClipAtFullScale) {
  const HSTREAM a = OpenStream(WriteWav("a.wav", Constant(20000, -1000, 44100)));
  const HSTREAM b = OpenStream(WriteWav("b.wav", Constant(20000, -2000, 44100)));
  ASSERT_TRUE(BASS_Pause());  // both start in the same block
  ASSERT_TRUE(BASS_StreamPlay(a, FALSE, 0));
  ASSERT_TRUE(BASS_StreamPlay(b, FALSE, 0));
  ASSERT_TRUE(BASS_Start());
  ASSERT_TRUE(WaitUntilInactive(a));
  ASSERT_TRUE(WaitUntilInactive(b));
  auto counts = FrameCounts(FinishAndReadOutput());
  EXPECT_EQ((counts[{32767, -3000}]), 44100u);
}

TEST_F(MixTest, TapsShowLevelWaveformAndSpectrumOfTheSound) {
  const double bin40 = 40 * 44100.0 / 1024;
  const Pcm16 fixture = Sine(bin40, 2.0);
  const HSTREAM stream = OpenStream(WriteWav("sine.wav", fixture));
  EXPECT_EQ(BASS_ChannelGetLevel(stream), 0xFFFFFFFFu);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_NOPLAY});

  ASSERT_TRUE(BASS_ChannelSetAttributes(stream, -1, 10, 100));  // the taps come before volume and pan
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, BASS_SAMPLE_LOOP));
  ASSERT_TRUE(WaitForPosition(stream, 44100 * 4 / 2));
  ASSERT_TRUE(BASS_ChannelPause(stream));

  const DWORD level = BASS_ChannelGetLevel(stream);
  EXPECT_GE(LOWORD(level), 127);
  EXPECT_LE(LOWORD(level), 128);
  EXPECT_EQ(LOWORD(level), HIWORD(level));

  std::vector<float> fft(512);
  ASSERT_EQ(BASS_ChannelGetData(stream, fft.data(), BASS_DATA_FFT1024), 512u * sizeof(float));
  EXPECT_NEAR(fft[40], 1.0, 0.02);
  for (size_t bin = 0; bin < 512; ++bin) {
    if (bin < 38 || bin > 42) {
      EXPECT_LT(fft[bin], 0.001) << bin;
    }
  }

  int16_t wave[128];
  ASSERT_EQ(BASS_ChannelGetData(stream, wave, 256), 256u);
  EXPECT_GE(FindFrames(fixture, wave, 64), 0);  // 64 consecutive frames of the sound itself

  EXPECT_EQ(BASS_ChannelGetData(stream, fft.data(), 0x80000007), 0xFFFFFFFFu);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ILLPARAM});
  ASSERT_TRUE(BASS_ChannelStop(stream));
  EXPECT_EQ(BASS_ChannelGetData(stream, wave, 256), 0xFFFFFFFFu);
}

// The mixer's large blocks come into view in steps spread over the time
// between blocks, so meters and spectra move on as often as with small ones.
TEST(TapsTest, ALargeBlockComesIntoViewInStepsAtTheBlocksPace) {
  const auto block = [](int16_t first, int16_t second) {
    Pcm16 halves = Constant(first, first, Bass::Taps::kStepFrames);
    const Pcm16 rest = Constant(second, second, Bass::Taps::kStepFrames);
    halves.samples.insert(halves.samples.end(), rest.samples.begin(), rest.samples.end());
    return halves;
  };
  Bass::Taps alone;
  alone.Push(block(3000, 3000).samples.data(), 2 * Bass::Taps::kStepFrames);
  const DWORD loudest = alone.Level();  // a first block is in view at once

  Bass::Taps taps;
  taps.Push(block(1000, 1000).samples.data(), 2 * Bass::Taps::kStepFrames);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the blocks' pace, a long one
  taps.Push(block(2000, 3000).samples.data(), 2 * Bass::Taps::kStepFrames);
  EXPECT_LT(taps.Level(), loudest) << "the block's second half is in view at once";
  EXPECT_TRUE(WaitUntil([&] { return taps.Level() == loudest; }, 1000, 5));
}

std::atomic<int> dspCalls{0};
std::atomic<bool> dspLengthsWhole{true};

void Negate(HDSP, DWORD, void* buffer, DWORD length, DWORD user) {
  ++dspCalls;
  if (length % user != 0) dspLengthsWhole = false;
  auto* samples = static_cast<int16_t*>(buffer);
  for (DWORD i = 0; i < length / 2; ++i) samples[i] = static_cast<int16_t>(-samples[i]);
}

TEST_F(MixTest, DspProceduresChangeTheDecodedSamplesInPlace) {
  const Pcm16 fixture = DistinctFrames(8820);
  const HSTREAM stream = OpenStream(WriteWav("distinct.wav", fixture));
  const HDSP dsp = BASS_ChannelSetDSP(stream, Negate, 4);  // user value: the frame size
  ASSERT_NE(dsp, 0u);
  PlayThrough(stream);
  EXPECT_GT(dspCalls.load(), 0);
  EXPECT_TRUE(dspLengthsWhole.load());
  EXPECT_TRUE(BASS_ChannelRemoveDSP(stream, dsp));
  EXPECT_FALSE(BASS_ChannelRemoveDSP(stream, dsp));

  // A mono stream hands its procedures mono buffers.
  Pcm16 mono = DistinctFrames(4410, 1);
  const HSTREAM monoStream = OpenStream(WriteWav("mono.wav", mono));
  dspCalls = 0;
  ASSERT_NE(BASS_ChannelSetDSP(monoStream, Negate, 2), 0u);
  PlayThrough(monoStream);
  EXPECT_GT(dspCalls.load(), 0);
  EXPECT_TRUE(dspLengthsWhole.load());

  Pcm16 negated = fixture;
  for (int16_t& s : negated.samples) s = static_cast<int16_t>(-s);
  const Pcm16 output = FinishAndReadOutput();
  EXPECT_GE(FindFrames(output, negated.samples.data(), negated.Frames()), 0);
}

std::atomic<size_t> recordedBytes{0};
std::atomic<int> recordCallsLeft{0};

BOOL CountRecorded(void*, DWORD length, DWORD) {
  recordedBytes += length;
  return --recordCallsLeft > 0;
}

TEST_F(MixTest, RecordingChannelLoopsBackTheFinalMix) {
  ASSERT_TRUE(BASS_RecordInit(-1));
  EXPECT_FALSE(BASS_RecordInit(-1));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ALREADY});
  recordCallsLeft = 1000000;
  ASSERT_TRUE(BASS_RecordStart(44100, 0, CountRecorded, 0));
  EXPECT_EQ(BASS_ChannelIsActive(RECORDCHAN), DWORD{BASS_ACTIVE_PLAYING});

  const HSTREAM stream = OpenStream(WriteWav("sine.wav", Sine(1000, 2.0)));
  ASSERT_TRUE(BASS_SetVolume(50));
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, BASS_SAMPLE_LOOP));
  ASSERT_TRUE(WaitForPosition(stream, 44100 * 4));
  ASSERT_TRUE(BASS_Pause());  // the taps hold still
  // The loopback hears the master volume; the channel's own taps do not.
  EXPECT_NEAR(LOWORD(BASS_ChannelGetLevel(RECORDCHAN)), 64, 1);
  EXPECT_GE(LOWORD(BASS_ChannelGetLevel(stream)), 127);
  EXPECT_GT(BASS_ChannelGetPosition(RECORDCHAN), 0u);
  EXPECT_GT(recordedBytes.load(), 0u);
  EXPECT_EQ(recordedBytes.load() % 4, 0u);

  // A procedure answering FALSE ends the recording.
  recordCallsLeft = 1;
  ASSERT_TRUE(BASS_Start());
  ASSERT_TRUE(WaitUntilInactive(RECORDCHAN));
  EXPECT_EQ(BASS_ChannelGetLevel(RECORDCHAN), 0xFFFFFFFFu);
}

TEST_F(MixTest, LoopingStreamsRunOnAndCpuShareIsAPercentageOfWallTime) {
  const HSTREAM stream = OpenStream(WriteWav("sine.wav", Sine(1000, 0.1)));
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, BASS_SAMPLE_LOOP));
  EXPECT_EQ(BASS_ChannelGetFlags(stream), DWORD{BASS_SAMPLE_LOOP});
  ASSERT_TRUE(WaitForOutput(20 * BASS_StreamGetLength(stream)));
  EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_PLAYING});
  EXPECT_TRUE(WaitForMixerWork());
  EXPECT_LE(BASS_GetCPU(), 100.0f);
}

}  // namespace
