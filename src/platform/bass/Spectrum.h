#pragma once
// Spectrum magnitudes of `size` stereo frames (size a power of two):
// size / 2 values, the channels averaged, Hann-windowed and scaled so that a
// full-scale sine centred on a bin gives 1.0 there. An analyser sets up its
// transform once; each analysis then allocates nothing.
#include <kiss_fftr.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Bass {

class SpectrumAnalyser {
 public:
  explicit SpectrumAnalyser(size_t size);
  ~SpectrumAnalyser();
  SpectrumAnalyser(const SpectrumAnalyser&) = delete;
  SpectrumAnalyser& operator=(const SpectrumAnalyser&) = delete;

  size_t Size() const { return size; }
  void Magnitudes(const int16_t* stereoFrames, float* magnitudes);

 private:
  size_t size;
  kiss_fftr_cfg config;
  std::vector<float> window;
  float scale;  // a sine of amplitude a peaks at a x (window sum) / 2 in its bin
  std::vector<kiss_fft_scalar> input;
  std::vector<kiss_fft_cpx> output;
};

}  // namespace Bass
