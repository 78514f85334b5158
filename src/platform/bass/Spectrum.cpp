#include "platform/bass/Spectrum.h"

#include <cmath>
#include <numbers>

namespace Bass {

SpectrumAnalyser::SpectrumAnalyser(size_t frames)
    : size(frames),
      config(kiss_fftr_alloc(static_cast<int>(frames), 0, nullptr, nullptr)),
      window(frames),
      input(frames),
      output(frames / 2 + 1) {
  double windowSum = 0;
  for (size_t i = 0; i < size; ++i) {
    window[i] = static_cast<float>(0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) /
                                                          static_cast<double>(size)));
    windowSum += window[i];
  }
  scale = static_cast<float>(2 / windowSum);
}

SpectrumAnalyser::~SpectrumAnalyser() { kiss_fftr_free(config); }

void SpectrumAnalyser::Magnitudes(const int16_t* stereoFrames, float* magnitudes) {
  constexpr float kToUnit = 1.0f / (2 * 32768.0f);
  for (size_t i = 0; i < size; ++i)
    input[i] = static_cast<kiss_fft_scalar>((stereoFrames[2 * i] + stereoFrames[2 * i + 1]) * kToUnit * window[i]);
  kiss_fftr(config, input.data(), output.data());
  // The bins stay far below float's range, so the plain root is exact enough
  // and much cheaper than hypot's overflow-safe one.
  for (size_t i = 0; i < size / 2; ++i)
    magnitudes[i] = std::sqrt(output[i].r * output[i].r + output[i].i * output[i].i) * scale;
}

}  // namespace Bass
