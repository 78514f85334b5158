#pragma once
#include <cstdint>
#include <functional>

namespace PlatformUi {

// Milliseconds from a steady clock; only differences are meaningful.
uint64_t MillisecondClock();

// Lets tests drive time by hand; an empty function restores the steady clock.
void SetMillisecondClockSource(std::function<uint64_t()> source);

}  // namespace PlatformUi
