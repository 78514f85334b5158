#include "Analysis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace MediaGen {

namespace {

FrameRange Clip(const PcmAudio& audio, FrameRange range) {
  range.first = std::clamp<int64_t>(range.first, 0, audio.Frames());
  const int64_t available = audio.Frames() - range.first;
  range.count = range.count < 0 ? available : std::min(range.count, available);
  return range;
}

}  // namespace

double ChannelRms(const PcmAudio& audio, int channel, FrameRange range) {
  range = Clip(audio, range);
  if (range.count == 0) return 0.0;
  double sum = 0.0;
  for (int64_t i = range.first; i < range.first + range.count; ++i) {
    const double value = audio.samples[size_t(i * audio.channels + channel)];
    sum += value * value;
  }
  return std::sqrt(sum / double(range.count));
}

double ToneAmplitude(const PcmAudio& audio, int channel, double frequency, FrameRange range) {
  range = Clip(audio, range);
  if (range.count == 0) return 0.0;
  const double omega = 2.0 * std::numbers::pi * frequency / audio.sampleRate;
  const double coefficient = 2.0 * std::cos(omega);
  double s1 = 0.0, s2 = 0.0;
  for (int64_t i = range.first; i < range.first + range.count; ++i) {
    const double s0 = audio.samples[size_t(i * audio.channels + channel)] + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
  return 2.0 * std::sqrt(std::max(0.0, power)) / double(range.count);
}

}  // namespace MediaGen
