#include "platform/bass/OpusDecoder.h"

#include <opus/opusfile.h>

#include <algorithm>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

// Opus always decodes at this rate, whatever rate the encoder was given.
constexpr int kOpusRate = 48000;

class OpusDecoder : public Decoder {
 public:
  OpusDecoder(OggOpusFile* file, int channels) : file(file) {
    format.rate = kOpusRate;
    format.channels = channels;
    frames = static_cast<uint64_t>(op_pcm_total(file, -1));
  }
  ~OpusDecoder() override { op_free(file); }

  size_t Read(int16_t* out, size_t count) override {
    size_t done = 0;
    while (done < count) {
      const int room = static_cast<int>(std::min<size_t>(count - done, 1 << 16) * format.channels);
      int16_t* at = out + done * format.channels;
      int link = 0;
      // Several channels fold to stereo in the library; a mono file stays mono
      // and ends at a chained link that is not.
      const int got = format.channels == 2 ? op_read_stereo(file, at, room) : op_read(file, at, room, &link);
      if (got == OP_HOLE) continue;  // a gap in the data: decoding goes on after it
      if (got <= 0) break;           // the end, or damage the decoder cannot pass
      if (format.channels == 1 && op_channel_count(file, link) != 1) break;
      done += static_cast<size_t>(got);
    }
    return done;
  }

  bool Seek(uint64_t frame) override { return op_pcm_seek(file, static_cast<ogg_int64_t>(frame)) == 0; }
  uint64_t LengthFrames() const override { return frames; }

 private:
  OggOpusFile* file;
  uint64_t frames = 0;
};

}  // namespace

OpenResult OpenOpusDecoder(const std::string& path) {
  int error = 0;
  OggOpusFile* file = op_open_file(path.c_str(), &error);
  if (!file) return {nullptr, error == OP_EFAULT ? BASS_ERROR_FILEOPEN : BASS_ERROR_FORMAT};
  if (!op_seekable(file) || op_pcm_total(file, -1) <= 0) {
    op_free(file);
    return {nullptr, BASS_ERROR_FORMAT};
  }
  return {std::make_unique<OpusDecoder>(file, op_channel_count(file, -1) == 1 ? 1 : 2), BASS_OK};
}

}  // namespace Bass
