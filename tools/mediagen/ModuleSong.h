#pragma once
// A tracker song in memory, written out by the MOD, XM, S3M and IT writers.
// Notes count in semitones with 49 = C-4, which plays a sample at its base
// rate of 8363 Hz in every format.
#include <cstdint>
#include <string>
#include <vector>

namespace MediaGen {

struct ModuleSample {
  std::string name;
  std::vector<int8_t> data;  // signed 8-bit
  int loopStart = 0;         // in samples
  int loopLength = 0;        // in samples; 0 means no loop
  int volume = 64;           // 0..64
};

struct ModuleCell {
  int note = 0;     // 0 empty, 1..96 = C-0..B-7
  int sample = 0;   // 1-based, 0 none
  int volume = -1;  // 0..64, -1 none
};

constexpr int kPatternRows = 64;
constexpr int kMiddleCNote = 49;

struct ModulePattern {
  explicit ModulePattern(int channels) : channels(channels), cells(size_t(channels) * kPatternRows) {}
  ModuleCell& At(int row, int channel) { return cells[size_t(row * channels + channel)]; }
  const ModuleCell& At(int row, int channel) const { return cells[size_t(row * channels + channel)]; }
  int channels;
  std::vector<ModuleCell> cells;
};

struct ModuleSong {
  std::string title;
  int channels = 4;
  int speed = 6;    // ticks per row
  int tempo = 125;  // beats per minute; a tick lasts 2.5 / tempo seconds
  std::vector<ModuleSample> samples;
  std::vector<ModulePattern> patterns;
  std::vector<int> order;  // pattern numbers in play order

  double Seconds() const { return double(order.size()) * kPatternRows * speed * 2.5 / tempo; }
};

// One looped cycle of a soft waveform (a sine with a little of its third
// harmonic); at note 49 a 32-sample cycle sounds 261 Hz.
ModuleSample MakeCycleSample(const std::string& name, int cycleLength = 32, double brightness = 0.2);

// A fixture song: one pattern (7.68 s at the default speed and tempo) with a
// steady middle C on channel 0 from its first row, played `repeats` times.
ModuleSong SteadyNoteSong(int repeats = 1);

bool WriteMod(const std::string& path, const ModuleSong& song);
bool WriteXm(const std::string& path, const ModuleSong& song);
bool WriteS3m(const std::string& path, const ModuleSong& song);
bool WriteIt(const std::string& path, const ModuleSong& song);

}  // namespace MediaGen
