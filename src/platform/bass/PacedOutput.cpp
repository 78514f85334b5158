// The silent and WAV-file outputs: they take the mix at the pace a sound card
// would, so positions, ends of songs and meters behave as with real sound.
#include <sndfile.h>

#include <chrono>
#include <thread>

#include "platform/bass/AudioOutput.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

using Clock = std::chrono::steady_clock;
// Further behind than this (after a pause, or a slow machine) the clock restarts
// instead of racing to catch up.
constexpr auto kMaxLag = std::chrono::milliseconds(200);

class PacedOutput : public AudioOutput {
 public:
  PacedOutput(SNDFILE* file, int rate, double pace) : file(file), framesPerSecond(rate * pace) {}
  ~PacedOutput() override {
    if (file) sf_close(file);
  }

  bool WantsSilence() const override { return file != nullptr; }

  void Write(const int16_t* stereoFrames, size_t frames) override {
    if (file) sf_writef_short(file, stereoFrames, static_cast<sf_count_t>(frames));
    const auto now = Clock::now();
    if (written == 0 || now - Due() > kMaxLag) {
      start = now;
      written = 0;
    }
    written += frames;
    std::this_thread::sleep_until(Due());
  }

 private:
  Clock::time_point Due() const {
    return start +
           std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(written / framesPerSecond));
  }

  SNDFILE* file;
  double framesPerSecond;
  Clock::time_point start;
  uint64_t written = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenPacedOutput(const char* wavPath, int rate, double pace, int& error) {
  SNDFILE* file = nullptr;
  if (wavPath) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    file = sf_open(wavPath, SFM_WRITE, &info);
    if (!file) {
      error = BASS_ERROR_CREATE;
      return nullptr;
    }
    // The header follows every write, so the file can be read while it grows.
    sf_command(file, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);
  }
  error = BASS_OK;
  return std::make_unique<PacedOutput>(file, rate, pace);
}

}  // namespace Bass
