#include "platform/bass/Decoder.h"

namespace Bass {

void FoldToStereo(int16_t* samples, size_t frames, int channels) {
  const int leftCount = (channels + 1) / 2;
  const int rightCount = channels / 2;
  for (size_t f = 0; f < frames; ++f) {
    const int16_t* in = samples + f * channels;
    int32_t left = 0, right = 0;
    for (int c = 0; c < channels; ++c) (c % 2 == 0 ? left : right) += in[c];
    // Frame f's output lies at or before its input, so reading ahead stays intact.
    samples[f * 2] = static_cast<int16_t>(left / leftCount);
    samples[f * 2 + 1] = static_cast<int16_t>(right / rightCount);
  }
}

}  // namespace Bass
