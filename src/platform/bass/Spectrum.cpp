#include "platform/bass/Spectrum.h"

#include <kiss_fftr.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace Bass {

namespace {

struct FftConfigDeleter {
  void operator()(kiss_fftr_cfg config) const { kiss_fftr_free(config); }
};

}  // namespace

void SpectrumMagnitudes(const int16_t* stereoFrames, size_t size, float* magnitudes) {
  std::unique_ptr<std::remove_pointer_t<kiss_fftr_cfg>, FftConfigDeleter> config(
      kiss_fftr_alloc(static_cast<int>(size), 0, nullptr, nullptr));
  std::vector<kiss_fft_scalar> input(size);
  std::vector<kiss_fft_cpx> output(size / 2 + 1);
  double windowSum = 0;
  for (size_t i = 0; i < size; ++i) {
    const double window =
        0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(size));
    windowSum += window;
    const double sample = (stereoFrames[2 * i] + stereoFrames[2 * i + 1]) / (2 * 32768.0);
    input[i] = static_cast<kiss_fft_scalar>(sample * window);
  }
  kiss_fftr(config.get(), input.data(), output.data());
  // A sine of amplitude a gives a peak of a * windowSum / 2 in its bin.
  const double scale = 2 / windowSum;
  for (size_t i = 0; i < size / 2; ++i)
    magnitudes[i] = static_cast<float>(std::hypot(output[i].r, output[i].i) * scale);
}

}  // namespace Bass
