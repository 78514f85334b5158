#include "PcmAudio.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace MediaGen {

PcmAudio MakeTone(const ToneSpec& spec) {
  PcmAudio audio;
  audio.sampleRate = spec.sampleRate;
  audio.channels = spec.channels;
  const auto frames = static_cast<int64_t>(std::llround(spec.seconds * spec.sampleRate));
  audio.samples.resize(static_cast<size_t>(frames * spec.channels));
  const double fadeFrames = std::max(1.0, spec.fadeSeconds * spec.sampleRate);
  const double perVoice =
      spec.frequencies.empty() ? 0.0 : spec.amplitude / double(spec.frequencies.size());
  for (int64_t i = 0; i < frames; ++i) {
    const double t = double(i) / spec.sampleRate;
    double value = 0.0;
    for (double frequency : spec.frequencies) {
      value += perVoice * std::sin(2.0 * std::numbers::pi * frequency * t);
    }
    const double edge = std::min<double>(double(i), double(frames - 1 - i));
    value *= std::min(1.0, edge / fadeFrames);
    std::fill_n(audio.samples.begin() + i * spec.channels, spec.channels, float(value));
  }
  return audio;
}

std::vector<int16_t> ToInt16(const PcmAudio& audio) {
  std::vector<int16_t> out(audio.samples.size());
  std::transform(audio.samples.begin(), audio.samples.end(), out.begin(), [](float value) {
    return static_cast<int16_t>(std::clamp(std::lround(value * 32767.0), -32768L, 32767L));
  });
  return out;
}

void Append(PcmAudio& a, const PcmAudio& b) {
  a.samples.insert(a.samples.end(), b.samples.begin(), b.samples.end());
}

void MixInto(PcmAudio& target, const PcmAudio& source, int64_t atFrame, double gain) {
  const size_t start = static_cast<size_t>(atFrame * target.channels);
  const size_t needed = start + source.samples.size();
  if (target.samples.size() < needed) target.samples.resize(needed, 0.0f);
  for (size_t i = 0; i < source.samples.size(); ++i) {
    target.samples[start + i] += float(gain * source.samples[i]);
  }
}

}  // namespace MediaGen
