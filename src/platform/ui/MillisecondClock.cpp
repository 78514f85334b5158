#include "MillisecondClock.h"

#include <chrono>

namespace PlatformUi {

namespace {
std::function<uint64_t()> clockSource;
}

uint64_t MillisecondClock() {
  if (clockSource) return clockSource();
  using namespace std::chrono;
  return static_cast<uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void SetMillisecondClockSource(std::function<uint64_t()> source) {
  clockSource = std::move(source);
}

}  // namespace PlatformUi
