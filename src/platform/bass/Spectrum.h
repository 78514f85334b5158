#pragma once
// Spectrum magnitudes of the last `size` stereo frames (size a power of two):
// size / 2 values, the channels averaged, Hann-windowed and scaled so that a
// full-scale sine centred on a bin gives 1.0 there.
#include <cstddef>
#include <cstdint>

namespace Bass {

void SpectrumMagnitudes(const int16_t* stereoFrames, size_t size, float* magnitudes);

}  // namespace Bass
