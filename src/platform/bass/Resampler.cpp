#include "platform/bass/Resampler.h"

#include <algorithm>

namespace Bass {

Resampler::Resampler(int inRate, int outRate, int channels) : inRate(inRate), channels(channels) {
  if (inRate == outRate) return;
  const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_FLOAT32_I);
  const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
  soxr_error_t error = nullptr;
  soxr = soxr_create(inRate, outRate, static_cast<unsigned>(channels), &error, &io, &quality, nullptr);
  if (error) soxr = nullptr;  // cannot happen for valid rates; passing through keeps the sound going
}

Resampler::~Resampler() { soxr_delete(soxr); }

Resampler::Progress Resampler::Process(const int16_t* in, size_t inFrames, float* out, size_t outFrames) {
  Progress progress;
  if (!soxr) {
    progress.consumed = progress.produced = std::min(inFrames, outFrames);
    std::transform(in, in + progress.produced * channels, out, [](int16_t s) { return s / 32768.0f; });
    return progress;
  }
  soxr_process(soxr, in, inFrames, &progress.consumed, out, outFrames, &progress.produced);
  return progress;
}

size_t Resampler::Drain(float* out, size_t outFrames) {
  if (!soxr) return 0;
  size_t produced = 0;
  soxr_process(soxr, nullptr, 0, nullptr, out, outFrames, &produced);
  return produced;
}

void Resampler::Reset() {
  if (soxr) soxr_clear(soxr);
}

}  // namespace Bass
