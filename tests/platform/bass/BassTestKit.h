#pragma once
// Shared by the audio library tests: a fixture that initialises the library
// with the WAV-file output (paced fast) and frees it after each test, and
// helpers that write exact 16-bit fixtures and read back what was mixed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "mediagen/PcmAudio.h"
#include "platform/bass/bass.h"

namespace BassTestKit {

struct Pcm16 {
  int rate = 44100;
  int channels = 2;
  std::vector<int16_t> samples;  // interleaved
  size_t Frames() const { return samples.size() / channels; }
};

// Frames that never repeat and never hold a zero sample, so any slice of the
// output can be told apart from silence and matched back to its place.
Pcm16 DistinctFrames(size_t frames, int channels = 2, int rate = 44100);
// A steady sine at full scale times `amplitude`, on every channel.
Pcm16 Sine(double frequency, double seconds, double amplitude = 1.0, int channels = 2, int rate = 44100);

// Writes a WAV with libsndfile; `subformat` as SF_FORMAT_PCM_16 etc.
std::string WriteWav(const std::string& name, const Pcm16& pcm, int subformat = 0x0002);
std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);
std::string TestFile(const std::string& name);  // a path in the test's program folder

// The output from its first to its last sounding frame.
Pcm16 Trimmed(const Pcm16& pcm);
MediaGen::PcmAudio ToAudio(const Pcm16& pcm);
// Amplitude of a tone in the middle of the sounding part of the output, per side.
std::pair<double, double> ToneInOutput(const Pcm16& output, double frequency);

// Index of the first frame of `needle` inside `haystack`, or -1.
long FindFrames(const Pcm16& haystack, const int16_t* needle, size_t frames);

// Polls `condition` until it holds (true) or `timeoutMs` has passed (false).
template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs = 10000) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class BassTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Frees the library and returns everything the output received.
  Pcm16 FinishAndReadOutput();
  // Waits (bounded) until the channel is no longer active; false on timeout.
  bool WaitUntilInactive(DWORD handle, int timeoutMs = 10000);
  // Waits until the channel position reaches at least `position`.
  bool WaitForPosition(DWORD handle, QWORD position, int timeoutMs = 10000);
  // The position once it holds still (a block being mixed may still move it):
  // two readings 30 ms apart that agree, or nothing if it moves for a second.
  std::optional<QWORD> HeldPosition(DWORD handle);
  HSTREAM OpenStream(const std::string& path);
  // How many times faster than real time the output runs.
  virtual const char* Pace() const { return "40"; }

  std::string outputPath;
};

}  // namespace BassTestKit
