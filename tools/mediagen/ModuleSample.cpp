#include <cmath>
#include <numbers>

#include "ModuleSong.h"

namespace MediaGen {

ModuleSample MakeCycleSample(const std::string& name, int cycleLength, double brightness) {
  ModuleSample sample;
  sample.name = name;
  sample.data.resize(size_t(cycleLength));
  const double peak = 1.0 + std::abs(brightness);
  for (int i = 0; i < cycleLength; ++i) {
    const double x = 2.0 * std::numbers::pi * i / cycleLength;
    const double value = (std::sin(x) + brightness * std::sin(3.0 * x)) / peak;
    sample.data[size_t(i)] = static_cast<int8_t>(std::lround(value * 100.0));
  }
  sample.loopStart = 0;
  sample.loopLength = cycleLength;
  return sample;
}

ModuleSong SteadyNoteSong(int repeats) {
  ModuleSong song;
  song.title = "test";
  song.samples.push_back(MakeCycleSample("cycle"));
  song.patterns.emplace_back(song.channels);
  song.patterns[0].At(0, 0) = {kMiddleCNote, 1, 64};
  song.order.assign(static_cast<size_t>(repeats), 0);
  return song;
}

}  // namespace MediaGen
