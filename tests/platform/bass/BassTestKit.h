#pragma once
// Shared by the audio library tests: a fixture that initialises the library
// with the WAV-file output (paced fast) and frees it after each test, and
// helpers that write exact 16-bit fixtures and read back what was mixed.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mediagen/PcmAudio.h"
#include "platform/bass/bass.h"
#include "support/WaitUntil.h"

namespace BassTestKit {

using TestSupport::WaitUntil;

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

// The mixer's CPU figure shows work once the mixer has mixed for half a
// second, and falls to zero only when its thread stops mixing and sleeps
// until it is started again: a held output is seen to stay held without
// betting on the clock.
bool WaitForMixerWork();
bool WaitForMixerRest();

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
  // The position of a channel paused while the output runs on: read once the
  // output has taken two more blocks (the block being mixed as the pause came
  // has ended) and again ten blocks later; nothing if it moved.
  std::optional<QWORD> HeldPosition(DWORD handle);
  // Bytes of the output file so far; it grows by every block the mixer mixes.
  uintmax_t OutputBytes() const;
  // Waits until the output has taken `bytes` more.
  bool WaitForOutput(uintmax_t bytes);
  HSTREAM OpenStream(const std::string& path);
  // How many times faster than real time the output runs.
  virtual const char* Pace() const { return "40"; }

  std::string outputPath;
};

}  // namespace BassTestKit
