#include "platform/bass/Taps.h"

#include <algorithm>
#include <cstdlib>

#include "platform/bass/Spectrum.h"

namespace Bass {

namespace {

constexpr int kFullLevel = 128;

WORD LevelOf(int peak) { return static_cast<WORD>(std::min(kFullLevel, (peak * kFullLevel + 16383) / 32767)); }

}  // namespace

void Taps::Push(const int16_t* stereoFrames, size_t frames) {
  std::lock_guard lock(mutex);
  history.Push(stereoFrames, frames);
}

void Taps::Clear() {
  std::lock_guard lock(mutex);
  history.Clear();
}

void Taps::Latest(int16_t* stereoFrames, size_t frames) const {
  std::lock_guard lock(mutex);
  history.Latest(stereoFrames, frames);
}

DWORD Taps::Level() const {
  std::lock_guard lock(mutex);
  int left = 0, right = 0;
  for (size_t age = 0; age < kLevelFrames; ++age) {
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
