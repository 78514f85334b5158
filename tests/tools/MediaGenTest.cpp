// The generators must write files that the real decoders read back with the
// length, layout and content asked for; every audio test builds on them.
// (OGG and MP3 fixtures are checked where the back-end plays them.)
#include <cdio/cdio.h>
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "mediagen/Analysis.h"
#include "mediagen/CdImageWriter.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/WavFile.h"
#include "support/TestEnvironment.h"

namespace {

using namespace MediaGen;

std::string InProgramFolder(const char* name) {
  return (TestSupport::ProgramFolder() + name).toStdString();
}

PcmAudio Tone(double frequency, double seconds, int channels = 2, int rate = 44100) {
  ToneSpec spec;
  spec.frequencies = {frequency};
  spec.seconds = seconds;
  spec.channels = channels;
  spec.sampleRate = rate;
  return MakeTone(spec);
}

TEST(MediaGenTest, WavRoundTripsInEveryBitDepth) {
  const PcmAudio tone = Tone(1000, 0.5, 1, 22050);
  for (int subformat : {SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16, SF_FORMAT_PCM_24, SF_FORMAT_FLOAT}) {
    const std::string path = InProgramFolder("tone.wav");
    ASSERT_TRUE(WriteWav(path, tone, subformat));
    const auto back = ReadAudioFile(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->channels, 1);
    EXPECT_EQ(back->sampleRate, 22050);
    EXPECT_EQ(back->Frames(), tone.Frames());
    EXPECT_NEAR(ToneAmplitude(*back, 0, 1000), 0.5, 0.02) << subformat;
  }
}

ModuleSong TwoPatternSong() {
  ModuleSong song;
  song.title = "fixture";
  song.samples.push_back(MakeCycleSample("cycle"));
  for (int p = 0; p < 2; ++p) {
    ModulePattern pattern(song.channels);
    for (int row = 0; row < kPatternRows; row += 8) pattern.At(row, p) = {kMiddleCNote + row / 8, 1, 48};
    song.patterns.push_back(pattern);
  }
  song.order = {0, 1, 0};
  return song;
}

TEST(MediaGenTest, EveryModuleFormatLoadsWithItsComputedLengthAndSound) {
  const ModuleSong song = TwoPatternSong();
  ASSERT_NEAR(song.Seconds(), 3 * 7.68, 1e-9);
  const std::pair<const char*, bool (*)(const std::string&, const ModuleSong&)> writers[] = {
      {"song.mod", WriteMod}, {"song.xm", WriteXm}, {"song.s3m", WriteS3m}, {"song.it", WriteIt}};
  for (const auto& [name, write] : writers) {
    const std::string path = InProgramFolder(name);
    ASSERT_TRUE(write(path, song)) << name;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(module, nullptr) << name;
    EXPECT_NEAR(openmpt_module_get_duration_seconds(module), song.Seconds(), 0.05) << name;
    std::vector<int16_t> pcm(2 * 44100);
    const size_t frames = openmpt_module_read_interleaved_stereo(module, 44100, 44100, pcm.data());
    EXPECT_EQ(frames, 44100u);
    double energy = 0;
    for (int16_t v : pcm) energy += double(v) * v;
    EXPECT_GT(std::sqrt(energy / pcm.size()), 300.0) << name << " is silent";
    openmpt_module_destroy(module);
  }
}

TEST(MediaGenTest, CueBinImageHasTheTracksAskedFor) {
  const std::string cue = InProgramFolder("disc.cue");
  ASSERT_TRUE(WriteCueBin(cue, {{{440}, 2.0}, {{880}, 3.0}, {{660}, 1.5}}));
  CdIo_t* cd = cdio_open(cue.c_str(), DRIVER_BINCUE);
  ASSERT_NE(cd, nullptr);
  EXPECT_EQ(cdio_get_num_tracks(cd), 3);
  const int expected[] = {150, 225, 113};  // sectors: 2 s, 3 s, 1.5 s rounded up
  for (track_t track = 1; track <= 3; ++track) {
    EXPECT_EQ(cdio_get_track_sec_count(cd, track), unsigned(expected[track - 1])) << int(track);
    EXPECT_EQ(cdio_get_track_format(cd, track), TRACK_FORMAT_AUDIO);
  }
  // The second track's first sector holds its own tone.
  std::vector<int16_t> sector(kCdSectorBytes / 2 * 75);
  ASSERT_EQ(cdio_read_audio_sectors(cd, sector.data(), cdio_get_track_lsn(cd, 2), 75),
            DRIVER_OP_SUCCESS);
  PcmAudio audio;
  for (int16_t v : sector) audio.samples.push_back(v / 32768.0f);
  EXPECT_NEAR(ToneAmplitude(audio, 0, 880), 0.5, 0.05);
  EXPECT_LT(ToneAmplitude(audio, 0, 440), 0.02);
  cdio_destroy(cd);
}

}  // namespace
