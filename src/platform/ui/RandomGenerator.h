#pragma once
#include <cstdint>
#include <random>

namespace PlatformUi {

// The player's one random generator (shuffle play draws from it). Seeded
// once at start-up from the clock; tests seed it with a fixed value.
std::mt19937& RandomGenerator();
void SeedRandomGenerator(uint32_t seed);
void SeedRandomGeneratorFromClock();

// A whole number in [0, bound); bound must be positive.
int RandomBelow(int bound);

}  // namespace PlatformUi
