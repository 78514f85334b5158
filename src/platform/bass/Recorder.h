#pragma once
// The recording channel: a loopback of the final mix. It needs no capture
// device, so it always initialises; its taps give level, waveform and spectrum
// of whatever sounds, the CD included. Recorded blocks reach the caller's
// procedure on a thread of its own, so a slow procedure never stalls the mix.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/bass/Taps.h"
#include "platform/bass/bass.h"

namespace Bass {

class Recorder {
 public:
  ~Recorder();

  bool Init();  // false when already initialised
  void Free();
  bool Initialised() const;
  bool Start(RECORDPROC* proc, DWORD user);  // false when not initialised
  void Stop();
  bool Pause();
  bool Resume();
  DWORD Activity() const;
  uint64_t RecordedFrames() const;

  // Mixer thread: one block of the final mix.
  void Feed(const int16_t* stereoFrames, size_t frames);

  const Taps& Tapped() const { return taps; }

 private:
  void Deliver();
  void JoinThread();

  mutable std::mutex mutex;
  std::condition_variable wake;
  bool initialised = false;
  DWORD activity = BASS_ACTIVE_STOPPED;
  RECORDPROC* proc = nullptr;
  DWORD user = 0;
  std::deque<std::vector<int16_t>> queue;
  std::vector<int16_t> pending;  // the piece being gathered
  uint64_t recorded = 0;
  std::thread thread;
  Taps taps;
};

}  // namespace Bass
