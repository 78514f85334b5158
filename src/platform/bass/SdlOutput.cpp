// The sound-device output through SDL2's audio queue.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/bass/AudioOutput.h"
#include "platform/bass/FrameHistory.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

// What the device takes from the queue at a time. A sound server's client
// thread wakes several times for each of these, so a small one costs many
// wake-ups a second (about 340 at 1,024 frames through PulseAudio, 65 at
// 4,096).
constexpr Uint16 kDeviceBufferFrames = 4096;
// The mixer stays this far ahead of what the device plays: never less than
// one device buffer, which the device takes whole, and enough to ride out
// scheduling hiccups; little enough for meters and controls to feel direct.
constexpr Uint32 kQueuedFramesTarget = kDeviceBufferFrames;
constexpr Uint32 kBytesPerFrame = 4;  // 16-bit stereo
// More than the queue ever holds: the target and one more block.
constexpr size_t kHistoryFrames = 2 * kQueuedFramesTarget;

// The device by its name (empty: the default one), paused, 16-bit stereo at
// `rate`; SDL converts to whatever the hardware takes. 0 when it cannot.
SDL_AudioDeviceID OpenDevice(const std::string& name, int rate) {
  SDL_AudioSpec wanted{};
  wanted.freq = rate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = kDeviceBufferFrames;
  SDL_AudioSpec obtained{};
  return SDL_OpenAudioDevice(name.empty() ? nullptr : name.c_str(), 0, &wanted, &obtained, 0);
}

class SdlOutput : public AudioOutput {
 public:
  SdlOutput(SDL_AudioDeviceID device, std::string name, int rate)
      : device(device), name(std::move(name)), rate(rate) {}
  ~SdlOutput() override {
    if (device != 0) SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void Write(const int16_t* stereoFrames, size_t frames) override {
    if (reopen) {
      reopen = false;
      const SDL_AudioDeviceID opened = OpenDevice(name, rate);
      std::lock_guard lock(playMutex);
      device = opened;
      if (device != 0 && !unplayed.empty())
        SDL_QueueAudio(device, unplayed.data(), static_cast<Uint32>(unplayed.size() * sizeof(int16_t)));
      unplayed.clear();
    }
    WaitUntilQueueWantsMore();
    if (SDL_GetAudioDeviceStatus(device) == SDL_AUDIO_STOPPED) {
      // The device is gone (unplugged): the mix goes on in real time, unheard.
      std::this_thread::sleep_for(std::chrono::microseconds(frames * 1000000 / static_cast<size_t>(rate)));
      return;
    }
    SDL_QueueAudio(device, stereoFrames, static_cast<Uint32>(frames * kBytesPerFrame));
    queued.Push(stereoFrames, frames);
    std::lock_guard lock(playMutex);
    // The device takes a whole buffer at a time: started before one is
    // queued, its first take would be cut short with silence.
    if (!started && SDL_GetQueuedAudioSize(device) >= kDeviceBufferFrames * kBytesPerFrame) {
      started = true;
      if (!held) SDL_PauseAudioDevice(device, 0);
    }
  }

  void SetHeld(bool hold) override {
    std::lock_guard lock(playMutex);
    held = hold;
    if (started) SDL_PauseAudioDevice(device, hold ? 1 : 0);
  }

  // The device then waits for a whole buffer again before it plays on.
  void Discard() override {
    std::lock_guard lock(playMutex);
    unplayed.clear();
    if (device == 0) return;
    SDL_ClearQueuedAudio(device);
    SDL_PauseAudioDevice(device, 1);
    started = false;
  }

  // A device that plays nothing still wakes its thread many times a second
  // (through a sound server about 80) to hand over silence, and pausing it
  // does not stop that: a resting mixer closes it, the next block opens it
  // again. A held device's queue has not been played: it is kept and queued
  // again first, so the song goes on where it was held. Otherwise less than
  // a buffer that never started (the silence the mixer wrote before it
  // rested, or a sound that short) is dropped with the device.
  void Rest() override {
    std::lock_guard lock(playMutex);
    if (device == 0) return;
    if (held) {
      const size_t frames = std::min<size_t>(SDL_GetQueuedAudioSize(device) / kBytesPerFrame, kHistoryFrames);
      unplayed.resize(frames * 2);
      queued.Latest(unplayed.data(), frames);
    }
    SDL_CloseAudioDevice(device);
    device = 0;
    started = false;
    reopen = true;
  }

 private:
  // Mixer thread: sleeps until the device will have played the queue down to
  // the target, computed from what is queued, instead of looking again and
  // again. The device takes whole buffers, so a wait may end just before it
  // takes the next one; the queue then still holds that buffer, and one more
  // wait of a buffer's length follows. Only a playing device drains its
  // queue; a held one takes the block at once and the mixer waits until it is
  // started again.
  void WaitUntilQueueWantsMore() const {
    for (;;) {
      if (SDL_GetAudioDeviceStatus(device) != SDL_AUDIO_PLAYING) return;
      const Uint32 queuedFrames = SDL_GetQueuedAudioSize(device) / kBytesPerFrame;
      if (queuedFrames <= kQueuedFramesTarget) return;
      const auto rest = std::chrono::microseconds(uint64_t(queuedFrames - kQueuedFramesTarget) * 1000000 / Uint32(rate));
      std::this_thread::sleep_for(std::max<std::chrono::microseconds>(rest, std::chrono::milliseconds(1)));
    }
  }

  // Changed on the mixer thread under playMutex, read by other threads under
  // it; 0 while closed, or when it could not be opened again.
  SDL_AudioDeviceID device;
  const std::string name;
  const int rate;
  bool reopen = false;  // mixer thread only: closed by Rest, opened by the next Write
  FrameHistory<kHistoryFrames> queued;  // mixer thread only: what went into the queue last
  // Guarded by playMutex: the mixer thread starts the device once a buffer is
  // queued, the user-interface thread holds and releases it (BASS_Pause,
  // BASS_Start) and stops it (BASS_Stop); the flags and the device's pause
  // state change together.
  std::mutex playMutex;
  bool started = false, held = false;
  std::vector<int16_t> unplayed;  // a held device's queue when it was let go
};

}  // namespace

std::unique_ptr<AudioOutput> OpenSdlOutput(int device, int rate, int& error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error = BASS_ERROR_DRIVER;
    return nullptr;
  }
  const char* name = nullptr;
  if (device > 0) {
    if (device > SDL_GetNumAudioDevices(0)) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      error = BASS_ERROR_DEVICE;
      return nullptr;
    }
    name = SDL_GetAudioDeviceName(device - 1, 0);
  }
  const std::string deviceName = name ? name : "";
  const SDL_AudioDeviceID id = OpenDevice(deviceName, rate);
  if (id == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    error = BASS_ERROR_DRIVER;
    return nullptr;
  }
  error = BASS_OK;
  return std::make_unique<SdlOutput>(id, deviceName, rate);
}

}  // namespace Bass
