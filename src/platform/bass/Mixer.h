#pragma once
// The mixer thread: block by block it asks for the channels' sound, applies
// the master volume, hands the final mix to the loopback and the output, and
// measures how much of the wall time it spends working. When no channel
// plays it sleeps until one starts (Wake), without waking in between, so a
// stopped player costs nothing; only a recording output (a WAV file) keeps
// getting the silence.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/bass/AudioOutput.h"

namespace Bass {

class Mixer {
 public:
  // About 46 ms: 22 wake-ups a second. Meters and spectra still move on
  // every 23 ms, as the taps bring a block into view in halves.
  static constexpr size_t kBlockFrames = 2048;
  // Adds the playing channels to a zeroed interleaved stereo float block;
  // false when no channel played.
  using RenderFn = std::function<bool(float* mix, size_t frames)>;
  // Receives the final 16-bit stereo mix.
  using MixedFn = std::function<void(const int16_t* frames, size_t count)>;

  Mixer(std::unique_ptr<AudioOutput> output, RenderFn render, MixedFn mixed);
  ~Mixer();

  void Start();  // mixing runs
  void Pause();  // mixing and output hold where they are
  void Stop();   // mixing holds and queued sound is dropped
  bool Running() const;
  void Wake();  // a channel started playing
  void SetMasterVolume(int volume);  // 0..100
  int MasterVolume() const { return masterVolume; }
  float CpuPercent() const { return cpuPercent; }

 private:
  enum class State { Stopped, Running, Paused };
  void Run();
  bool MixBlock();
  void AccountWork(std::chrono::steady_clock::duration work);

  // Set at construction. The output's Write runs on the mixer thread, its
  // SetHeld and Discard on the caller's.
  const std::unique_ptr<AudioOutput> output;
  const RenderFn render;
  const MixedFn mixed;
  std::atomic<int> masterVolume{100};
  std::atomic<float> cpuPercent{0};

  // Guarded by `mutex`.
  mutable std::mutex mutex;
  std::condition_variable wake;
  State state = State::Stopped;
  bool quit = false;
  bool resting = false;    // running, but the last block had no channel playing
  uint64_t wakeCount = 0;  // Wake calls so far; a rest never swallows one

  // Mixer thread only.
  std::vector<float> mix;
  std::vector<int16_t> samples;
  std::chrono::steady_clock::time_point windowStart;
  std::chrono::steady_clock::duration windowWork{};
  std::thread thread;  // last: starts after everything it uses exists
};

}  // namespace Bass
