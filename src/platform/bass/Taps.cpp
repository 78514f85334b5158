#include "platform/bass/Taps.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/bass/Spectrum.h"

namespace Bass {

namespace {

constexpr int kFullLevel = 128;

WORD LevelOf(int peak) { return static_cast<WORD>(std::min(kFullLevel, (peak * kFullLevel + 16383) / 32767)); }

}  // namespace

void Taps::Push(const int16_t* stereoFrames, size_t frames) {
  std::lock_guard lock(mutex);
  if (frames > kCapacity) {
    stereoFrames += (frames - kCapacity) * 2;
    frames = kCapacity;
  }
  const size_t first = std::min(frames, kCapacity - next);
  std::memcpy(&ring[next * 2], stereoFrames, first * 4);
  std::memcpy(&ring[0], stereoFrames + first * 2, (frames - first) * 4);
  next = (next + frames) % kCapacity;
}

void Taps::Clear() {
  std::lock_guard lock(mutex);
  ring.fill(0);
  next = 0;
}

void Taps::Latest(int16_t* stereoFrames, size_t frames) const {
  std::lock_guard lock(mutex);
  const size_t start = (next + kCapacity - frames) % kCapacity;
  const size_t first = std::min(frames, kCapacity - start);
  std::memcpy(stereoFrames, &ring[start * 2], first * 4);
  std::memcpy(stereoFrames + first * 2, &ring[0], (frames - first) * 4);
}

DWORD Taps::Level() const {
  std::lock_guard lock(mutex);
  int left = 0, right = 0;
  for (size_t i = 0, frame = (next + kCapacity - kLevelFrames) % kCapacity; i < kLevelFrames;
       ++i, frame = (frame + 1) % kCapacity) {
    left = std::max(left, std::abs(static_cast<int>(ring[2 * frame])));
    right = std::max(right, std::abs(static_cast<int>(ring[2 * frame + 1])));
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
