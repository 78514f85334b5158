#include "platform/bass/SndfileDecoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

class SndfileDecoder : public Decoder {
 public:
  SndfileDecoder(SNDFILE* file, const SF_INFO& info) : file(file), frames(info.frames), fileChannels(info.channels) {
    format.rate = info.samplerate;
    format.channels = info.channels == 1 ? 1 : 2;
    const int subtype = info.format & SF_FORMAT_SUBMASK;
    format.eightBit = subtype == SF_FORMAT_PCM_U8 || subtype == SF_FORMAT_PCM_S8;
    isFloat = subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE;
  }
  ~SndfileDecoder() override { sf_close(file); }

  size_t Read(int16_t* out, size_t count) override {
    if (fileChannels <= 2 && !isFloat) return Frames(sf_readf_short(file, out, static_cast<sf_count_t>(count)));
    wide.resize(count * fileChannels);
    const size_t got =
        isFloat ? ReadFloat(count) : Frames(sf_readf_short(file, wide.data(), static_cast<sf_count_t>(count)));
    if (fileChannels > 2) FoldToStereo(wide.data(), got, fileChannels);
    std::copy_n(wide.data(), got * format.channels, out);
    return got;
  }

  bool Seek(uint64_t frame) override { return sf_seek(file, static_cast<sf_count_t>(frame), SEEK_SET) >= 0; }
  uint64_t LengthFrames() const override { return frames; }

 private:
  static size_t Frames(sf_count_t n) { return n > 0 ? static_cast<size_t>(n) : 0; }

  // Float samples beyond -1..1 are clipped rather than left to wrap around.
  size_t ReadFloat(size_t count) {
    floats.resize(count * fileChannels);
    const size_t got = Frames(sf_readf_float(file, floats.data(), static_cast<sf_count_t>(count)));
    std::transform(floats.begin(), floats.begin() + static_cast<long>(got * fileChannels), wide.begin(),
                   [](float s) { return static_cast<int16_t>(std::clamp(std::lrint(s * 32768.0f), -32768L, 32767L)); });
    return got;
  }

  SNDFILE* file;
  uint64_t frames;
  int fileChannels;
  bool isFloat = false;
  std::vector<int16_t> wide;
  std::vector<float> floats;
};

}  // namespace

OpenResult OpenSndfileDecoder(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return {nullptr, BASS_ERROR_FORMAT};
  if (info.channels < 1 || info.samplerate < 1 || info.frames <= 0 || !info.seekable) {
    sf_close(file);
    return {nullptr, BASS_ERROR_FORMAT};
  }
  return {std::make_unique<SndfileDecoder>(file, info), BASS_OK};
}

}  // namespace Bass
