#include "platform/bass/StreamingDecoders.h"

#include <mpg123.h>
#include <vorbis/vorbisfile.h>

#include <cerrno>

#include "platform/bass/Mpg123Decoder.h"

namespace Bass {

namespace {

constexpr size_t kFeedBytes = 16 * 1024;
constexpr long kResyncLimit = 32 * 1024;  // bytes mpg123 searches for the next frame
constexpr int kMaxEmptyTurns = 64;        // decoder calls that may yield nothing before giving up

class MpegStream : public StreamingDecoder {
 public:
  explicit MpegStream(ByteSource source) : source(std::move(source)) {
    handle = NewMpg123Handle(0);
    if (!handle) return;
    mpg123_param(handle, MPG123_RESYNC_LIMIT, kResyncLimit, 0);
    if (mpg123_open_feed(handle) != MPG123_OK) {
      mpg123_delete(handle);
      handle = nullptr;
    }
  }
  ~MpegStream() override { mpg123_delete(handle); }

  size_t Decode(int16_t* out, size_t frames, Status& status) override {
    status = Status::Failed;
    if (!handle) return 0;
    for (int turn = 0; turn < kMaxEmptyTurns; ++turn) {
      // Until the format is known, ask for no more than fits as mono.
      const size_t bytes = frames * sizeof(int16_t) * (channels > 0 ? channels : 1);
      size_t done = 0;
      const int result = mpg123_read(handle, reinterpret_cast<unsigned char*>(out), bytes, &done);
      if (result == MPG123_NEW_FORMAT) {
        long newRate = 0;
        int newChannels = 0, encoding = 0;
        mpg123_getformat(handle, &newRate, &newChannels, &encoding);
        rate = static_cast<int>(newRate);
        channels = newChannels;
        continue;
      }
      if (done > 0 && channels > 0) {
        mpg123_frameinfo info{};
        if (mpg123_info(handle, &info) == MPG123_OK && info.bitrate > 0) bitRate = info.bitrate;
        status = Status::Decoded;
        return done / (sizeof(int16_t) * channels);
      }
      if (result == MPG123_NEED_MORE) {
        const size_t got = source(input, sizeof input);
        if (got == 0) {
          status = Status::NeedMore;
          return 0;
        }
        mpg123_feed(handle, input, got);
        continue;
      }
      if (result != MPG123_OK) return 0;
    }
    return 0;
  }

 private:
  ByteSource source;
  mpg123_handle* handle = nullptr;
  unsigned char input[kFeedBytes];
};

class VorbisStream : public StreamingDecoder {
 public:
  explicit VorbisStream(ByteSource source) : source(std::move(source)) {}
  ~VorbisStream() override {
    if (opened) ov_clear(&file);
  }

  bool Open() {
    const ov_callbacks callbacks{ReadBytes, nullptr, nullptr, nullptr};
    opened = ov_open_callbacks(this, &file, nullptr, 0, callbacks) == 0;
    if (opened) TakeInfo(-1);
    return opened && channels > 0 && rate > 0;
  }

  size_t Decode(int16_t* out, size_t frames, Status& status) override {
    for (int turn = 0; turn < kMaxEmptyTurns; ++turn) {
      int section = 0;
      const long got = ov_read(&file, reinterpret_cast<char*>(out),
                               static_cast<int>(frames * sizeof(int16_t) * channels), 0, 2, 1, &section);
      if (got == OV_HOLE) continue;  // a gap in the data: decoding goes on after it
      if (got == 0) {
        status = Status::NeedMore;
        return 0;
      }
      if (got < 0) break;
      TakeInfo(section);  // a chained stream may change its layout between links
      const long instant = ov_bitrate_instant(&file);
      if (instant > 0) bitRate = static_cast<int>(instant / 1000);
      status = Status::Decoded;
      return static_cast<size_t>(got) / (sizeof(int16_t) * channels);
    }
    status = Status::Failed;
    return 0;
  }

 private:
  static size_t ReadBytes(void* out, size_t size, size_t count, void* self) {
    const size_t got = static_cast<VorbisStream*>(self)->source(static_cast<uint8_t*>(out), size * count);
    // vorbisfile takes 0 with errno set for a read error: "none for now" is not one.
    if (got == 0) errno = 0;
    return size > 0 ? got / size : 0;
  }

  void TakeInfo(int link) {
    if (const vorbis_info* info = ov_info(&file, link)) {
      rate = static_cast<int>(info->rate);
      channels = info->channels;
      if (bitRate == 0 && info->bitrate_nominal > 0) bitRate = static_cast<int>(info->bitrate_nominal / 1000);
    }
  }

  ByteSource source;
  OggVorbis_File file{};
  bool opened = false;
};

}  // namespace

std::unique_ptr<StreamingDecoder> OpenMpegStream(ByteSource source) {
  return std::make_unique<MpegStream>(std::move(source));
}

std::unique_ptr<StreamingDecoder> OpenVorbisStream(ByteSource source) {
  auto stream = std::make_unique<VorbisStream>(std::move(source));
  if (!stream->Open()) return nullptr;
  return stream;
}

}  // namespace Bass
