#pragma once
// Where the final mix goes. Write blocks until the output wants more, which
// paces the mixer thread: a sound device by its queue, the silent and WAV
// outputs by the clock. Write runs on the mixer thread; SetHeld and Discard
// come from other threads while it may run, so an output guards what they share.
#include <cstddef>
#include <cstdint>
#include <memory>

namespace Bass {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  virtual void Write(const int16_t* stereoFrames, size_t frames) = 0;
  // The output holds (BASS_Pause) or continues; queued sound stays.
  virtual void SetHeld(bool held) { (void)held; }
  // Drops sound queued but not yet heard (BASS_Stop).
  virtual void Discard() {}
  // The mixer has had nothing to mix for a while, so all it queued has been
  // heard, and it sleeps until the next Write: a device may let go of its
  // hardware until then. Runs on the mixer thread.
  virtual void Rest() {}
  // A recording of the mix wants the silences too; a device or the silent
  // output does not, so the mixer may rest while nothing plays.
  virtual bool WantsSilence() const { return false; }
};

struct OutputResult {
  std::unique_ptr<AudioOutput> output;
  int error = 0;
};

// The output for BASS_Init's device (-1 default, 0 silence, n the n-th device)
// as SOLVANE_AUDIO_OUTPUT chooses: unset or "auto" a sound device through SDL2,
// "null" silence, "wav:PATH" a WAV file. The silent and WAV outputs run in real
// time, or SOLVANE_AUDIO_PACE times faster.
OutputResult OpenAudioOutput(int device, int rate);

std::unique_ptr<AudioOutput> OpenSdlOutput(int device, int rate, int& error);
std::unique_ptr<AudioOutput> OpenPacedOutput(const char* wavPath, int rate, double pace, int& error);

}  // namespace Bass
