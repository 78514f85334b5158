#pragma once
// Interleaved floating-point audio in memory, and the tones the generators
// synthesise from it: sines, chords and short melodies.
#include <cstdint>
#include <vector>

namespace MediaGen {

struct PcmAudio {
  int sampleRate = 44100;
  int channels = 2;
  std::vector<float> samples;  // interleaved, -1.0..1.0

  int64_t Frames() const { return channels > 0 ? int64_t(samples.size()) / channels : 0; }
  double Seconds() const { return sampleRate > 0 ? double(Frames()) / sampleRate : 0.0; }
};

struct ToneSpec {
  std::vector<double> frequencies{440.0};  // several frequencies make a chord
  double seconds = 1.0;
  double amplitude = 0.5;  // peak of the summed chord, 0..1
  int sampleRate = 44100;
  int channels = 2;
  double fadeSeconds = 0.005;  // short ramps at both ends avoid clicks
};

// A steady sine or chord, the same on every channel.
PcmAudio MakeTone(const ToneSpec& spec);

// 16-bit signed samples, rounded and clipped, still interleaved.
std::vector<int16_t> ToInt16(const PcmAudio& audio);

// Appends b to a (both must have the same rate and channel count).
void Append(PcmAudio& a, const PcmAudio& b);

// Adds `source` into `target` starting at frame `atFrame`, growing target as needed.
void MixInto(PcmAudio& target, const PcmAudio& source, int64_t atFrame, double gain = 1.0);

}  // namespace MediaGen
