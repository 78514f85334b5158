#include "platform/bass/Taps.h"

#include <algorithm>
#include <cstdlib>

#include "platform/bass/Spectrum.h"

namespace Bass {

namespace {

constexpr int kFullLevel = 128;
// A longer gap between pushes is a pause, not a block's length.
constexpr auto kLongestBlockGap = std::chrono::milliseconds(250);

WORD LevelOf(int peak) { return static_cast<WORD>(std::min(kFullLevel, (peak * kFullLevel + 16383) / 32767)); }

}  // namespace

void Taps::Push(const int16_t* stereoFrames, size_t frames) {
  const auto now = std::chrono::steady_clock::now();
  std::lock_guard lock(mutex);
  history.Push(stereoFrames, frames);
  pushGap = lastFrames > 0 && now - lastPush < kLongestBlockGap ? now - lastPush : std::chrono::steady_clock::duration{};
  lastPush = now;
  lastFrames = frames;
}

void Taps::Clear() {
  std::lock_guard lock(mutex);
  history.Clear();
  lastFrames = 0;
}

size_t Taps::FramesOutOfView() const {
  if (lastFrames <= kStepFrames || pushGap.count() == 0) return 0;
  const size_t steps = (lastFrames + kStepFrames - 1) / kStepFrames;
  const auto sincePush = std::chrono::steady_clock::now() - lastPush;
  const size_t inView = std::min<size_t>(steps, 1 + size_t(sincePush * steps / pushGap)) * kStepFrames;
  return lastFrames - std::min(lastFrames, inView);
}

void Taps::Latest(int16_t* stereoFrames, size_t frames) const {
  std::lock_guard lock(mutex);
  history.Latest(stereoFrames, frames, FramesOutOfView());
}

DWORD Taps::Level() const {
  std::lock_guard lock(mutex);
  const size_t outOfView = FramesOutOfView();
  int left = 0, right = 0;
  for (size_t age = outOfView; age < outOfView + kLevelFrames; ++age) {
    left = std::max(left, std::abs(static_cast<int>(history.Sample(age, 0))));
    right = std::max(right, std::abs(static_cast<int>(history.Sample(age, 1))));
  }
  return MAKELONG(LevelOf(left), LevelOf(right));
}

DWORD Taps::Data(void* buffer, DWORD length) const {
  if (length & 0x80000000u) {
    const DWORD kind = length & 0x7FFFFFFFu;
    if (kind > 2) return 0xFFFFFFFF;
    const size_t size = size_t{512} << kind;
    std::lock_guard lock(readerMutex);
    auto& analyser = analysers[kind];
    if (!analyser) analyser = std::make_unique<SpectrumAnalyser>(size);
    Latest(frames.data(), size);
    analyser->Magnitudes(frames.data(), static_cast<float*>(buffer));
    return static_cast<DWORD>(size / 2 * sizeof(float));
  }
  const size_t frames = std::min<size_t>(length / 4, kCapacity);
  Latest(static_cast<int16_t*>(buffer), frames);
  return static_cast<DWORD>(frames * 4);
}

}  // namespace Bass
