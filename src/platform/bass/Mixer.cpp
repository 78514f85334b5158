#include "platform/bass/Mixer.h"

#include <algorithm>
#include <cmath>

namespace Bass {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kCpuWindow = std::chrono::milliseconds(500);
// Idle this long, the output has played out all it was given.
constexpr auto kRestAfter = std::chrono::seconds(1);

}  // namespace

Mixer::Mixer(std::unique_ptr<AudioOutput> out, RenderFn renderFn, MixedFn mixedFn)
    : output(std::move(out)),
      render(std::move(renderFn)),
      mixed(std::move(mixedFn)),
      mix(kBlockFrames * 2),
      samples(kBlockFrames * 2),
      windowStart(Clock::now()),
      thread([this] { Run(); }) {}

Mixer::~Mixer() {
  {
    std::lock_guard lock(mutex);
    quit = true;
  }
  wake.notify_all();
  thread.join();
}

void Mixer::Start() {
  {
    std::lock_guard lock(mutex);
    state = State::Running;
    resting = false;
  }
  output->SetHeld(false);
  wake.notify_all();
}

void Mixer::Pause() {
  std::lock_guard lock(mutex);
  state = State::Paused;
  output->SetHeld(true);
}

void Mixer::Stop() {
  std::lock_guard lock(mutex);
  state = State::Stopped;
  output->Discard();
}

bool Mixer::Running() const {
  std::lock_guard lock(mutex);
  return state == State::Running;
}

void Mixer::Wake() {
  {
    std::lock_guard lock(mutex);
    resting = false;
    ++wakeCount;
  }
  wake.notify_all();
}

void Mixer::SetMasterVolume(int volume) { masterVolume = std::clamp(volume, 0, 100); }

void Mixer::Run() {
  for (;;) {
    uint64_t wakesSeen = 0;
    {
      std::unique_lock lock(mutex);
      if (state != State::Running || resting) {
        // Idle until there is something to mix: the thread sleeps, waking
        // once to let the output rest, and the CPU figure says it works no more.
        cpuPercent = 0;
        const auto ready = [this] { return quit || (state == State::Running && !resting); };
        if (!wake.wait_for(lock, kRestAfter, ready)) {
          lock.unlock();
          output->Rest();
          lock.lock();
          wake.wait(lock, ready);
        }
        windowStart = Clock::now();
        windowWork = {};
      }
      if (quit) return;
      wakesSeen = wakeCount;
    }
    const auto begun = Clock::now();
    const bool sounded = MixBlock();
    AccountWork(Clock::now() - begun);
    output->Write(samples.data(), kBlockFrames);
    if (!sounded && !output->WantsSilence()) {
      std::lock_guard lock(mutex);
      if (wakeCount == wakesSeen) resting = true;
    }
  }
}

bool Mixer::MixBlock() {
  std::fill(mix.begin(), mix.end(), 0.0f);
  const bool sounded = render(mix.data(), kBlockFrames);
  const float gain = masterVolume / 100.0f * 32768.0f;
  std::transform(mix.begin(), mix.end(), samples.begin(),
                 [gain](float s) { return static_cast<int16_t>(std::clamp(std::lrint(s * gain), -32768L, 32767L)); });
  mixed(samples.data(), kBlockFrames);
  return sounded;
}

void Mixer::AccountWork(Clock::duration work) {
  windowWork += work;
  const auto now = Clock::now();
  const auto wall = now - windowStart;
  if (wall < kCpuWindow) return;
  cpuPercent = static_cast<float>(100.0 * std::chrono::duration<double>(windowWork).count() /
                                  std::chrono::duration<double>(wall).count());
  windowStart = now;
  windowWork = {};
}

}  // namespace Bass
