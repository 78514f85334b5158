// Stream files: decoding of every format, lengths, flags, positions and the
// transport (play, pause, resume, stop, the end).
#include <sndfile.h>

#include <algorithm>

#include "BassTestKit.h"
#include "mediagen/Analysis.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"

using namespace BassTestKit;

namespace {

// The output without its silent frames (the fixtures hold no zero samples).
Pcm16 WithoutSilence(const Pcm16& pcm) {
  Pcm16 sound{pcm.rate, pcm.channels, {}};
  for (size_t i = 0; i < pcm.Frames(); ++i)
    if (pcm.samples[2 * i] != 0 || pcm.samples[2 * i + 1] != 0)
      sound.samples.insert(sound.samples.end(), {pcm.samples[2 * i], pcm.samples[2 * i + 1]});
  return sound;
}

class StreamTest : public BassTest {};

TEST_F(StreamTest, WavAtTheMixRateReachesTheOutputBitForBit) {
  const Pcm16 fixture = DistinctFrames(22050);
  const HSTREAM stream = OpenStream(WriteWav("exact.wav", fixture));
  EXPECT_EQ(BASS_StreamGetLength(stream), 22050u * 4);
  EXPECT_FLOAT_EQ(BASS_ChannelBytes2Seconds(stream, BASS_StreamGetLength(stream)), 0.5f);
  EXPECT_EQ(BASS_ChannelGetFlags(stream), 0u);
  EXPECT_EQ(BASS_StreamGetFilePosition(stream, BASS_FILEPOS_END), 44u + 22050 * 4);

  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_PLAYING});
  ASSERT_TRUE(WaitUntilInactive(stream));
  EXPECT_EQ(BASS_ChannelGetPosition(stream), 22050u * 4);

  const Pcm16 output = FinishAndReadOutput();
  const long start = FindFrames(output, fixture.samples.data(), 1);
  ASSERT_GE(start, 0);
  ASSERT_GE(output.Frames(), start + fixture.Frames());
  EXPECT_TRUE(std::equal(fixture.samples.begin(), fixture.samples.end(), output.samples.begin() + start * 2));
  EXPECT_TRUE(std::all_of(output.samples.begin() + (start + 22050) * 2, output.samples.end(),
                          [](int16_t s) { return s == 0; }));
}

struct WavFormat {
  const char* name;
  int subformat, channels, rate;
  bool exact;  // lossless at the mix rate: the output holds the fixture's samples
  DWORD flags;
};

class WavFormatTest : public BassTest, public ::testing::WithParamInterface<WavFormat> {};

TEST_P(WavFormatTest, DecodesWithItsLengthFlagsAndSound) {
  const WavFormat& format = GetParam();
  const Pcm16 fixture = Sine(1000, 0.4, 0.5, format.channels, format.rate);
  const HSTREAM stream = OpenStream(WriteWav(std::string(format.name) + ".wav", fixture, format.subformat));
  EXPECT_EQ(BASS_StreamGetLength(stream), fixture.Frames() * format.channels * 2);
  EXPECT_NEAR(BASS_ChannelBytes2Seconds(stream, BASS_StreamGetLength(stream)), 0.4, 1e-4);
  EXPECT_EQ(BASS_ChannelGetFlags(stream), format.flags);

  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  ASSERT_TRUE(WaitUntilInactive(stream));
  const Pcm16 output = FinishAndReadOutput();
  const auto [left, right] = ToneInOutput(output, 1000);
  EXPECT_NEAR(left, 0.5, 0.02);
  EXPECT_NEAR(right, 0.5, 0.02);
  if (format.exact) {
    // Mono sounds on both sides.
    Pcm16 expected{44100, 2, {}};
    for (size_t i = 0; i < fixture.Frames(); ++i)
      expected.samples.insert(expected.samples.end(), {fixture.samples[i * format.channels],
                                                       fixture.samples[i * format.channels + format.channels - 1]});
    EXPECT_GE(FindFrames(output, expected.samples.data() + 2, expected.Frames() - 1), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, WavFormatTest,
                         ::testing::Values(WavFormat{"u8mono22050", SF_FORMAT_PCM_U8, 1, 22050, false,
                                                     BASS_SAMPLE_MONO | BASS_SAMPLE_8BITS},
                                           WavFormat{"s16mono", SF_FORMAT_PCM_16, 1, 44100, true, BASS_SAMPLE_MONO},
                                           WavFormat{"s24stereo", SF_FORMAT_PCM_24, 2, 44100, true, 0},
                                           WavFormat{"s32stereo48000", SF_FORMAT_PCM_32, 2, 48000, false, 0},
                                           WavFormat{"floatstereo96000", SF_FORMAT_FLOAT, 2, 96000, false, 0},
                                           WavFormat{"s16stereo8000", SF_FORMAT_PCM_16, 2, 8000, false, 0}),
                         [](const ::testing::TestParamInfo<WavFormat>& info) { return std::string(info.param.name); });

MediaGen::PcmAudio Tone(double frequency, double seconds, int channels, int rate) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {frequency};
  spec.seconds = seconds;
  spec.channels = channels;
  spec.sampleRate = rate;
  return MediaGen::MakeTone(spec);
}

TEST_F(StreamTest, OggAndMp3DecodeWithTheirExactLengthAndTone) {
  struct Case {
    std::string name;
    bool ogg;
    int channels, rate;
  };
  for (const Case& c : {Case{"tone.ogg", true, 2, 44100}, Case{"mono.ogg", true, 1, 22050},
                        Case{"tone.mp3", false, 2, 44100}, Case{"mono.mp3", false, 1, 22050}}) {
    SCOPED_TRACE(c.name);
    const MediaGen::PcmAudio audio = Tone(440, 1.0, c.channels, c.rate);
    const std::string path = TestFile(c.name);
    ASSERT_TRUE(c.ogg ? MediaGen::WriteOgg(path, audio) : MediaGen::WriteMp3(path, audio, 64));
    const HSTREAM stream = OpenStream(path);
    EXPECT_EQ(BASS_StreamGetLength(stream), static_cast<QWORD>(c.rate) * c.channels * 2);
    EXPECT_EQ(BASS_ChannelGetFlags(stream), c.channels == 1 ? DWORD{BASS_SAMPLE_MONO} : 0u);
  }
  // One of them through the output: the tone survives decoding and mixing.
  const HSTREAM stream = OpenStream(TestFile("tone.mp3"));
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  ASSERT_TRUE(WaitUntilInactive(stream));
  const auto [left, right] = ToneInOutput(FinishAndReadOutput(), 440);
  EXPECT_NEAR(left, 0.5, 0.05);
  EXPECT_NEAR(right, 0.5, 0.05);
}

TEST_F(StreamTest, SeekPauseResumeAndStopKeepTheSoundInOrder) {
  const Pcm16 fixture = DistinctFrames(88200);
  const HSTREAM stream = OpenStream(WriteWav("long.wav", fixture));
  EXPECT_EQ(BASS_ChannelSeconds2Bytes(stream, 1.0f), 176400u);
  EXPECT_FALSE(BASS_ChannelSetPosition(stream, 88201u * 4));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_POSITION});
  ASSERT_TRUE(BASS_ChannelSetPosition(stream, 176400));
  EXPECT_EQ(BASS_ChannelGetPosition(stream), 176400u);

  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  ASSERT_TRUE(WaitForPosition(stream, 176400 + 88200));
  ASSERT_TRUE(BASS_ChannelPause(stream));
  EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_PAUSED});
  EXPECT_TRUE(HeldPosition(stream));
  EXPECT_FALSE(BASS_StreamPlay(0xABCDEF, FALSE, 0));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_HANDLE});
  ASSERT_TRUE(BASS_ChannelResume(stream));
  EXPECT_FALSE(BASS_ChannelResume(stream));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_NOPAUSE});
  ASSERT_TRUE(WaitUntilInactive(stream));

  // Played again after its end, a stream starts over; stopping keeps the position.
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  ASSERT_TRUE(WaitForPosition(stream, 4096));
  ASSERT_TRUE(BASS_ChannelStop(stream));
  EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_STOPPED});

  // The second half once, whole and in order, then the start of the second play.
  const Pcm16 sound = WithoutSilence(FinishAndReadOutput());
  ASSERT_GE(sound.Frames(), 44100u);
  EXPECT_TRUE(std::equal(fixture.samples.begin() + 88200, fixture.samples.end(), sound.samples.begin()));
  const size_t replayed = sound.Frames() - 44100;
  EXPECT_GT(replayed, 0u);
  EXPECT_TRUE(std::equal(sound.samples.begin() + 88200, sound.samples.end(), fixture.samples.begin()));
}

TEST_F(StreamTest, BassPauseHoldsEverythingAndBassStopEndsEveryStream) {
  const HSTREAM stream = OpenStream(WriteWav("a.wav", DistinctFrames(88200)));
  ASSERT_TRUE(WaitForMixerWork());
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  ASSERT_TRUE(WaitForPosition(stream, 4096));
  ASSERT_TRUE(BASS_Pause());
  ASSERT_TRUE(WaitForMixerRest()) << "the held output goes on mixing";
  const QWORD held = BASS_ChannelGetPosition(stream);
  EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_PLAYING});
  ASSERT_TRUE(BASS_Start());
  ASSERT_TRUE(WaitForPosition(stream, held + 4096));

  ASSERT_TRUE(BASS_Stop());
  EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_STOPPED});
  ASSERT_TRUE(BASS_Start());
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  EXPECT_TRUE(WaitUntilInactive(stream));
}

}  // namespace
