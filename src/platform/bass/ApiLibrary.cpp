// Library-wide calls: version, errors, output start and stop, master volume, CPU.
#include <memory>

#include "platform/bass/Engine.h"
#include "platform/bass/Errors.h"
#include "platform/bass/NetStream.h"
#include "platform/bass/bass.h"

using namespace Bass;

namespace {

constexpr DWORD kVersion = 0x00060001;
constexpr DWORD kMinMixRate = 8000, kMaxMixRate = 192000;

void StopStreamsAndMusics(Engine& engine) {
  for (const auto& [handle, channel] : engine.channels) channel->Stop();
}

// Runs `action` on the initialised library under its lock; BASS_ERROR_INIT otherwise.
template <typename Action>
BOOL WithMixer(Action action) {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  if (!engine.mixer) return Fail(BASS_ERROR_INIT, FALSE);
  return action(engine);
}

}  // namespace

extern "C" {

DWORD BASS_GetVersion() { return Succeed(kVersion); }

DWORD BASS_ErrorGetCode() { return static_cast<DWORD>(LastError()); }

BOOL BASS_Init(int device, DWORD freq, DWORD, HWND) {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  if (engine.mixer) return Fail(BASS_ERROR_ALREADY, FALSE);
  if (freq < kMinMixRate || freq > kMaxMixRate) return Fail(BASS_ERROR_FREQ, FALSE);
  OutputResult opened = OpenAudioOutput(device, static_cast<int>(freq));
  if (!opened.output) return Fail(opened.error, FALSE);
  engine.mixRate = static_cast<int>(freq);
  engine.mixer = std::make_unique<Mixer>(
      std::move(opened.output), [&engine](float* mix, size_t frames) { return engine.Render(mix, frames); },
      [&engine](const int16_t* frames, size_t count) { engine.recorder.Feed(frames, count); });
  return Succeed(TRUE);
}

void BASS_Free() {
  Engine& engine = TheEngine();
  std::unique_ptr<Mixer> mixer;
  {
    std::lock_guard lock(engine.mutex);
    mixer = std::move(engine.mixer);
    StopStreamsAndMusics(engine);
    engine.channels.clear();
  }
  // Outside the lock: the mixer thread may be waiting for it to finish its block.
  mixer.reset();
  // The freed internet streams' threads were told to end; none outlives the library.
  NetStream::JoinFreedThreads();
  SetError(BASS_OK);
}

BOOL BASS_Start() {
  return WithMixer([](Engine& engine) {
    engine.mixer->Start();
    return Succeed(TRUE);
  });
}

BOOL BASS_Stop() {
  return WithMixer([](Engine& engine) {
    engine.mixer->Stop();
    StopStreamsAndMusics(engine);
    return Succeed(TRUE);
  });
}

BOOL BASS_Pause() {
  return WithMixer([](Engine& engine) {
    engine.mixer->Pause();
    return Succeed(TRUE);
  });
}

BOOL BASS_SetVolume(DWORD volume) {
  return WithMixer([volume](Engine& engine) {
    if (volume > 100) return Fail(BASS_ERROR_ILLPARAM, FALSE);
    engine.mixer->SetMasterVolume(static_cast<int>(volume));
    return Succeed(TRUE);
  });
}

int BASS_GetVolume() {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  if (!engine.mixer) return Fail(BASS_ERROR_INIT, -1);
  return Succeed(engine.mixer->MasterVolume());
}

float BASS_GetCPU() {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  return Succeed(engine.mixer ? engine.mixer->CpuPercent() : 0.0f);
}

}  // extern "C"
