#include "NoteSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace DemoSongs {

double MidiFrequency(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void AddNote(MediaGen::PcmAudio& mix, double startSeconds, double seconds, int midiNote,
             double gain, double pan, const Timbre& timbre) {
  const int rate = mix.sampleRate;
  const double frequency = MidiFrequency(midiNote);
  const auto start = int64_t(startSeconds * rate);
  const auto held = int64_t(seconds * rate);
  const auto total = held + int64_t(timbre.release * rate);
  const double leftGain = gain * std::sqrt(0.5 * (1.0 - pan));
  const double rightGain = gain * std::sqrt(0.5 * (1.0 + pan));
  const size_t needed = size_t((start + total) * 2);
  if (mix.samples.size() < needed) mix.samples.resize(needed, 0.0f);

  double level = 0.0;
  for (int64_t i = 0; i < total; ++i) {
    const double t = double(i) / rate;
    if (i < held) {
      level = std::min(1.0, t / timbre.attack) * std::exp(-t / timbre.decay);
    } else {
      level *= std::exp(-1.0 / (timbre.release * rate / 5.0));
    }
    double value = 0.0;
    for (size_t k = 0; k < timbre.harmonics.size(); ++k) {
      if (timbre.harmonics[k] == 0.0 || frequency * double(k + 1) > rate / 2.5) continue;
      value += timbre.harmonics[k] * std::sin(2.0 * std::numbers::pi * frequency * double(k + 1) * t);
    }
    mix.samples[size_t((start + i) * 2)] += float(value * level * leftGain);
    mix.samples[size_t((start + i) * 2 + 1)] += float(value * level * rightGain);
  }
}

void AddKick(MediaGen::PcmAudio& mix, double startSeconds, double gain) {
  const int rate = mix.sampleRate;
  const auto start = int64_t(startSeconds * rate);
  const auto length = int64_t(0.25 * rate);
  const size_t needed = size_t((start + length) * 2);
  if (mix.samples.size() < needed) mix.samples.resize(needed, 0.0f);
  double phase = 0.0;
  for (int64_t i = 0; i < length; ++i) {
    const double t = double(i) / rate;
    phase += 2.0 * std::numbers::pi * (45.0 + 90.0 * std::exp(-t * 30.0)) / rate;
    const auto value = float(gain * std::sin(phase) * std::exp(-t * 14.0));
    mix.samples[size_t((start + i) * 2)] += value;
    mix.samples[size_t((start + i) * 2 + 1)] += value;
  }
}

void Normalize(MediaGen::PcmAudio& mix, double peak) {
  float loudest = 0.0f;
  for (float value : mix.samples) loudest = std::max(loudest, std::abs(value));
  if (loudest == 0.0f) return;
  const auto scale = float(peak / loudest);
  for (float& value : mix.samples) value *= scale;
}

}  // namespace DemoSongs
