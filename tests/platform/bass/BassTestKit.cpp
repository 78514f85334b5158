#include "BassTestKit.h"

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>

#include "mediagen/Analysis.h"
#include "platform/bass/Mixer.h"
#include "support/TestEnvironment.h"

namespace BassTestKit {

Pcm16 DistinctFrames(size_t frames, int channels, int rate) {
  Pcm16 pcm{rate, channels, {}};
  uint32_t state = 12345;
  for (size_t i = 0; i < frames * channels; ++i) {
    state = state * 1664525u + 1013904223u;
    const int16_t value = static_cast<int16_t>(state >> 17);  // 0..32767
    pcm.samples.push_back(static_cast<int16_t>((value | 1) * (i % 2 ? -1 : 1)));
  }
  return pcm;
}

Pcm16 Sine(double frequency, double seconds, double amplitude, int channels, int rate) {
  Pcm16 pcm{rate, channels, {}};
  const auto frames = static_cast<size_t>(seconds * rate);
  for (size_t i = 0; i < frames; ++i) {
    const double value = amplitude * 32767 * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / rate);
    for (int c = 0; c < channels; ++c) pcm.samples.push_back(static_cast<int16_t>(std::lround(value)));
  }
  return pcm;
}

std::string TestFile(const std::string& name) { return TestSupport::ProgramFolder().toStdString() + name; }

std::string WriteWav(const std::string& name, const Pcm16& pcm, int subformat) {
  const std::string path = TestFile(name);
  SF_INFO info{};
  info.samplerate = pcm.rate;
  info.channels = pcm.channels;
  info.format = SF_FORMAT_WAV | subformat;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
  if (subformat == SF_FORMAT_FLOAT) {
    // Float files hold -1..1; libsndfile would store raw 16-bit values otherwise.
    std::vector<float> floats;
    for (int16_t s : pcm.samples) floats.push_back(s / 32768.0f);
    sf_writef_float(file, floats.data(), static_cast<sf_count_t>(pcm.Frames()));
  } else {
    sf_writef_short(file, pcm.samples.data(), static_cast<sf_count_t>(pcm.Frames()));
  }
  sf_close(file);
  return path;
}

std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = TestFile(name);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The output from its first to its last sounding frame.
Pcm16 Trimmed(const Pcm16& pcm) {
  const auto sounding = [](int16_t s) { return s != 0; };
  const auto first = std::find_if(pcm.samples.begin(), pcm.samples.end(), sounding);
  const auto last = std::find_if(pcm.samples.rbegin(), pcm.samples.rend(), sounding).base();
  Pcm16 sound{pcm.rate, pcm.channels, {}};
  if (first < last)
    sound.samples.assign(pcm.samples.begin() + (first - pcm.samples.begin()) / 2 * 2,
                         pcm.samples.begin() + ((last - pcm.samples.begin()) + 1) / 2 * 2);
  return sound;
}

MediaGen::PcmAudio ToAudio(const Pcm16& pcm) {
  MediaGen::PcmAudio audio;
  audio.sampleRate = pcm.rate;
  audio.channels = pcm.channels;
  for (int16_t s : pcm.samples) audio.samples.push_back(s / 32768.0f);
  return audio;
}

std::pair<double, double> ToneInOutput(const Pcm16& output, double frequency) {
  const MediaGen::PcmAudio audio = ToAudio(Trimmed(output));
  const MediaGen::FrameRange middle{audio.Frames() / 4, audio.Frames() / 2};
  return {MediaGen::ToneAmplitude(audio, 0, frequency, middle), MediaGen::ToneAmplitude(audio, 1, frequency, middle)};
}

long FindFrames(const Pcm16& haystack, const int16_t* needle, size_t frames) {
  const size_t width = static_cast<size_t>(haystack.channels);
  for (size_t at = 0; at + frames <= haystack.Frames(); ++at)
    if (std::equal(needle, needle + frames * width, haystack.samples.begin() + static_cast<long>(at * width)))
      return static_cast<long>(at);
  return -1;
}

void BassTest::SetUp() {
  outputPath = TestFile("mix.wav");
  setenv("SOLVANE_AUDIO_OUTPUT", ("wav:" + outputPath).c_str(), 1);
  setenv("SOLVANE_AUDIO_PACE", Pace(), 1);
  ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr)) << BASS_ErrorGetCode();
  ASSERT_TRUE(BASS_Start());
}

void BassTest::TearDown() {
  BASS_Free();
  BASS_CDFree();
  BASS_RecordFree();
  setenv("SOLVANE_AUDIO_OUTPUT", "null", 1);
}

Pcm16 BassTest::FinishAndReadOutput() {
  BASS_Free();
  SF_INFO info{};
  SNDFILE* file = sf_open(outputPath.c_str(), SFM_READ, &info);
  Pcm16 pcm{info.samplerate, info.channels, {}};
  if (!file) {
    ADD_FAILURE() << "no output file";
    return pcm;
  }
  pcm.samples.resize(static_cast<size_t>(info.frames * info.channels));
  sf_readf_short(file, pcm.samples.data(), info.frames);
  sf_close(file);
  return pcm;
}

bool WaitForMixerWork() {
  return WaitUntil([] { return BASS_GetCPU() > 0; });
}

bool WaitForMixerRest() {
  return WaitUntil([] { return BASS_GetCPU() == 0; });
}

bool BassTest::WaitUntilInactive(DWORD handle, int timeoutMs) {
  return WaitUntil([handle] { return BASS_ChannelIsActive(handle) == BASS_ACTIVE_STOPPED; }, timeoutMs);
}

bool BassTest::WaitForPosition(DWORD handle, QWORD position, int timeoutMs) {
  return WaitUntil([handle, position] { return BASS_ChannelGetPosition(handle) >= position; }, timeoutMs);
}

uintmax_t BassTest::OutputBytes() const {
  std::error_code error;
  const uintmax_t bytes = std::filesystem::file_size(outputPath, error);
  return error ? 0 : bytes;
}

bool BassTest::WaitForOutput(uintmax_t bytes) {
  const uintmax_t until = OutputBytes() + bytes;
  return WaitUntil([this, until] { return OutputBytes() >= until; });
}

std::optional<QWORD> BassTest::HeldPosition(DWORD handle) {
  constexpr uintmax_t kBlockBytes = Bass::Mixer::kBlockFrames * 4;
  if (!WaitForOutput(2 * kBlockBytes)) return std::nullopt;
  const QWORD held = BASS_ChannelGetPosition(handle);
  if (!WaitForOutput(10 * kBlockBytes) || BASS_ChannelGetPosition(handle) != held) return std::nullopt;
  return held;
}

HSTREAM BassTest::OpenStream(const std::string& path) {
  const HSTREAM stream = BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
  EXPECT_NE(stream, 0u) << path << " error " << BASS_ErrorGetCode();
  return stream;
}

}  // namespace BassTestKit
