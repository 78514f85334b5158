#pragma once
// Converts a channel's 16-bit frames at its own rate into float frames at the
// mix rate (-1..1, same channel count). Equal rates pass the samples through
// unchanged, so a source at the mix rate reaches the output bit for bit.
#include <soxr.h>

#include <cstddef>
#include <cstdint>

namespace Bass {

class Resampler {
 public:
  Resampler(int inRate, int outRate, int channels);
  ~Resampler();
  Resampler(const Resampler&) = delete;
  Resampler& operator=(const Resampler&) = delete;

  struct Progress {
    size_t consumed = 0, produced = 0;
  };
  Progress Process(const int16_t* in, size_t inFrames, float* out, size_t outFrames);
  // After the last input: hands out what the filter still holds; 0 when empty.
  size_t Drain(float* out, size_t outFrames);
  void Reset();
  int InputRate() const { return inRate; }

 private:
  int inRate, channels;
  soxr_t soxr = nullptr;  // null when passing through
};

}  // namespace Bass
