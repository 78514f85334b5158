#pragma once
// The newest `Capacity` 16-bit stereo frames written to it, oldest dropped
// first. Not locked: its owner guards it.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace Bass {

template <size_t Capacity>
class FrameHistory {
 public:
  void Push(const int16_t* stereoFrames, size_t frames) {
    if (frames > Capacity) {
      stereoFrames += (frames - Capacity) * 2;
      frames = Capacity;
    }
    const size_t first = std::min(frames, Capacity - next);
    std::memcpy(&ring[next * 2], stereoFrames, first * 4);
    std::memcpy(&ring[0], stereoFrames + first * 2, (frames - first) * 4);
    next = (next + frames) % Capacity;
  }

  void Clear() {
    ring.fill(0);
    next = 0;
  }

  // The newest `frames` frames (at most Capacity) in time order, leaving out
  // the `skipped` newest; before enough were pushed, the oldest are silence.
  void Latest(int16_t* stereoFrames, size_t frames, size_t skipped = 0) const {
    frames = std::min(frames, Capacity);
    skipped = std::min(skipped, Capacity - frames);
    const size_t start = (next + 2 * Capacity - frames - skipped) % Capacity;
    const size_t first = std::min(frames, Capacity - start);
    std::memcpy(stereoFrames, &ring[start * 2], first * 4);
    std::memcpy(stereoFrames + first * 2, &ring[0], (frames - first) * 4);
  }

  // Frame `age` back from the newest (0 is the newest), side 0 left, 1 right.
  int16_t Sample(size_t age, int side) const { return ring[((next + Capacity - 1 - age % Capacity) % Capacity) * 2 + side]; }

 private:
  std::array<int16_t, Capacity * 2> ring{};
  size_t next = 0;  // where the next frame goes
};

}  // namespace Bass
