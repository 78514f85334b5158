#include "RandomGenerator.h"

#include <chrono>

namespace PlatformUi {

std::mt19937& RandomGenerator() {
  static std::mt19937 generator;
  return generator;
}

void SeedRandomGenerator(uint32_t seed) { RandomGenerator().seed(seed); }

void SeedRandomGeneratorFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  SeedRandomGenerator(static_cast<uint32_t>(now));
}

int RandomBelow(int bound) {
  return std::uniform_int_distribution<int>(0, bound - 1)(RandomGenerator());
}

}  // namespace PlatformUi
