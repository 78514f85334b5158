#include "platform/bass/MusicDecoder.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <libopenmpt/libopenmpt.hpp>
#include <map>
#include <sstream>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

// Sensitive ramping uses libopenmpt's softest ramps; normal uses its default.
constexpr int kSoftestRamping = 10;
constexpr int kDefaultRamping = -1;
constexpr int kNoInterpolation = 1;

class MusicDecoder : public Decoder {
 public:
  MusicDecoder(std::unique_ptr<openmpt::module> module, int mixRate, bool mono) : module(std::move(module)) {
    format.rate = mixRate;
    format.channels = mono ? 1 : 2;
    frames = static_cast<uint64_t>(std::llround(this->module->get_duration_seconds() * mixRate));
  }

  size_t Read(int16_t* out, size_t count) override {
    try {
      return format.channels == 1 ? module->read(format.rate, count, out)
                                  : module->read_interleaved_stereo(format.rate, count, out);
    } catch (const std::exception&) {
      return 0;  // a module the renderer gives up on ends like a finished one
    }
  }

  bool Seek(uint64_t frame) override {
    try {
      module->set_position_seconds(static_cast<double>(frame) / format.rate);
      return true;
    } catch (const std::exception&) {
      return false;
    }
  }

  uint64_t LengthFrames() const override { return frames; }

 private:
  std::unique_ptr<openmpt::module> module;
  uint64_t frames = 0;
};

}  // namespace

OpenResult OpenMusicDecoder(const std::string& path, int mixRate, uint32_t flags) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {nullptr, BASS_ERROR_FILEOPEN};
  std::ifstream file(path, std::ios::binary);
  if (!file) return {nullptr, BASS_ERROR_FILEOPEN};
  std::ostringstream silentLog;
  std::unique_ptr<openmpt::module> module;
  try {
    // After a seek, notes struck before the new position go on sounding.
    module = std::make_unique<openmpt::module>(file, silentLog,
                                               std::map<std::string, std::string>{{"seek.sync_samples", "1"}});
  } catch (const std::exception&) {
    return {nullptr, BASS_ERROR_FORMAT};
  }
  if (module->get_num_orders() <= 0 || module->get_duration_seconds() <= 0) return {nullptr, BASS_ERROR_EMPTY};

  int ramping = 0;
  if (flags & BASS_MUSIC_RAMP) ramping = kDefaultRamping;
  if (flags & BASS_MUSIC_RAMPS) ramping = kSoftestRamping;
  module->set_render_param(openmpt::module::RENDER_VOLUMERAMPING_STRENGTH, ramping);
  if (flags & BASS_MUSIC_NONINTER)
    module->set_render_param(openmpt::module::RENDER_INTERPOLATIONFILTER_LENGTH, kNoInterpolation);
  module->set_repeat_count((flags & BASS_MUSIC_LOOP) ? -1 : 0);
  return {std::make_unique<MusicDecoder>(std::move(module), mixRate, (flags & BASS_MUSIC_MONO) != 0), BASS_OK};
}

}  // namespace Bass
