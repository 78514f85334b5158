#pragma once
// The most recent stereo frames a channel (or the final mix) produced, for
// level meters, waveforms and spectra. The mixer thread pushes; any thread reads.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/bass/FrameHistory.h"
#include "platform/bass/Spectrum.h"
#include "platform/bass/bass.h"

namespace Bass {

class Taps {
 public:
  // Frames: the largest spectrum, behind frames not yet in view.
  static constexpr size_t kCapacity = 8192;
  static constexpr size_t kLevelFrames = 1024;
  // A push of more frames (a mixer's large block, a recorder's delivery)
  // comes into view this many at a time, spread evenly over the time between
  // pushes: readers see the sound move on as often as with small blocks.
  static constexpr size_t kStepFrames = 1024;

  void Push(const int16_t* stereoFrames, size_t frames);
  void Clear();
  // Peak of each side over the last kLevelFrames frames, 0..128: left in the
  // low word, right in the high word.
  DWORD Level() const;
  // BASS_ChannelGetData: a BASS_DATA_FFT* length fills spectrum magnitudes,
  // any other length the newest frames as 16-bit stereo samples (at most the
  // capacity). Returns the bytes written, or 0xFFFFFFFF for a bad length.
  // Readers allocate nothing after a spectrum size's first use.
  DWORD Data(void* buffer, DWORD length) const;

 private:
  // The newest `frames` frames in view, in time order.
  void Latest(int16_t* stereoFrames, size_t frames) const;
  // Under `mutex`: how many of the newest frames are not in view yet.
  size_t FramesOutOfView() const;

  mutable std::mutex mutex;
  FrameHistory<kCapacity> history;
  std::chrono::steady_clock::time_point lastPush{};
  std::chrono::steady_clock::duration pushGap{};  // between the last two pushes
  size_t lastFrames = 0;

  // The readers' working space, behind its own lock so the mixer never waits for an analysis.
  mutable std::mutex readerMutex;
  mutable std::array<int16_t, kCapacity * 2> frames{};
  mutable std::array<std::unique_ptr<SpectrumAnalyser>, 3> analysers;  // 512, 1024, 2048 frames
};

}  // namespace Bass
