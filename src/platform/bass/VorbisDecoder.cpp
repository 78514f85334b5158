#include "platform/bass/VorbisDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <vector>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

class VorbisDecoder : public Decoder {
 public:
  VorbisDecoder(std::unique_ptr<OggVorbis_File> file, int channels, long rate)
      : file(std::move(file)), fileChannels(channels), fileRate(rate) {
    format.rate = static_cast<int>(rate);
    format.channels = channels == 1 ? 1 : 2;
    frames = static_cast<uint64_t>(ov_pcm_total(this->file.get(), -1));
  }
  ~VorbisDecoder() override { ov_clear(file.get()); }

  size_t Read(int16_t* out, size_t count) override {
    wide.resize(count * fileChannels);
    const size_t frameBytes = sizeof(int16_t) * fileChannels;
    auto* bytes = reinterpret_cast<char*>(wide.data());
    size_t done = 0;
    while (done < count * frameBytes) {
      int section = 0;
      const long got =
          ov_read(file.get(), bytes + done, static_cast<int>(std::min<size_t>(count * frameBytes - done, 1 << 20)), 0,
                  2, 1, &section);
      if (got == OV_HOLE) continue;  // a gap in the data: decoding goes on after it
      if (got <= 0) break;           // the end, or damage the decoder cannot pass
      const vorbis_info* info = ov_info(file.get(), section);
      // A chained bitstream with another layout cannot continue in this channel.
      if (!info || info->channels != fileChannels || info->rate != fileRate) break;
      done += static_cast<size_t>(got);
    }
    const size_t got = done / frameBytes;
    if (fileChannels > 2) FoldToStereo(wide.data(), got, fileChannels);
    std::copy_n(wide.data(), got * format.channels, out);
    return got;
  }

  bool Seek(uint64_t frame) override { return ov_pcm_seek(file.get(), static_cast<ogg_int64_t>(frame)) == 0; }
  uint64_t LengthFrames() const override { return frames; }

 private:
  std::unique_ptr<OggVorbis_File> file;
  int fileChannels;
  long fileRate;
  uint64_t frames = 0;
  std::vector<int16_t> wide;
};

}  // namespace

OpenResult OpenVorbisDecoder(const std::string& path) {
  auto file = std::make_unique<OggVorbis_File>();
  if (ov_fopen(path.c_str(), file.get()) != 0) return {nullptr, BASS_ERROR_FORMAT};
  const vorbis_info* info = ov_info(file.get(), -1);
  if (!info || info->channels < 1 || info->rate < 1 || !ov_seekable(file.get()) || ov_pcm_total(file.get(), -1) <= 0) {
    ov_clear(file.get());
    return {nullptr, BASS_ERROR_FORMAT};
  }
  const int channels = info->channels;
  const long rate = info->rate;
  return {std::make_unique<VorbisDecoder>(std::move(file), channels, rate), BASS_OK};
}

}  // namespace Bass
