#include "platform/bass/Mpg123Decoder.h"

#include <mpg123.h>

#include <cstdio>
#include <memory>
#include <mutex>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

// mpg123 reading a file itself asks for it a frame at a time, two system
// calls a frame, and reads all of it that way to index it when it opens it.
// A standard file with a buffer of this size hands it the same bytes from
// memory: opening a four-minute song takes a millisecond instead of thirty.
constexpr size_t kReadBufferBytes = 64 * 1024;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

ssize_t ReadFile(void* file, void* out, size_t bytes) {
  auto* stream = static_cast<std::FILE*>(file);
  const size_t got = std::fread(out, 1, bytes, stream);
  return got == 0 && std::ferror(stream) ? -1 : static_cast<ssize_t>(got);
}

off_t SeekFile(void* file, off_t offset, int whence) {
  auto* stream = static_cast<std::FILE*>(file);
  return fseeko(stream, offset, whence) == 0 ? ftello(stream) : -1;
}

// The file opened for mpg123 to read through the buffer; null when it cannot be.
File OpenBuffered(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (file && std::setvbuf(file.get(), nullptr, _IOFBF, kReadBufferBytes) != 0) file.reset();
  return file;
}

class Mpg123Decoder : public Decoder {
 public:
  Mpg123Decoder(mpg123_handle* handle, File file, long rate, int channels, uint64_t frames)
      : handle(handle), file(std::move(file)), frames(frames) {
    format.rate = static_cast<int>(rate);
    format.channels = channels;
  }
  ~Mpg123Decoder() override {
    mpg123_close(handle);
    mpg123_delete(handle);
  }

  size_t Read(int16_t* out, size_t count) override {
    const size_t frameBytes = sizeof(int16_t) * format.channels;
    size_t done = 0;
    auto* bytes = reinterpret_cast<unsigned char*>(out);
    while (done < count * frameBytes) {
      size_t got = 0;
      const int result = mpg123_read(handle, bytes + done, count * frameBytes - done, &got);
      done += got;
      if (result == MPG123_NEW_FORMAT && SameFormat()) continue;
      // The end, damage the decoder cannot pass, or another format mid-stream,
      // which this channel cannot represent: the channel ends there.
      if (result != MPG123_OK || got == 0) break;
    }
    return done / frameBytes;
  }

  bool Seek(uint64_t frame) override { return mpg123_seek(handle, static_cast<off_t>(frame), SEEK_SET) >= 0; }
  uint64_t LengthFrames() const override { return frames; }

 private:
  bool SameFormat() {
    long rate = 0;
    int channels = 0, encoding = 0;
    return mpg123_getformat(handle, &rate, &channels, &encoding) == MPG123_OK && rate == format.rate &&
           channels == format.channels;
  }

  mpg123_handle* handle;
  File file;  // after the handle: mpg123 reads it until it is deleted
  uint64_t frames;
};

}  // namespace

mpg123_handle* NewMpg123Handle(long flags) {
  static std::once_flag once;
  std::call_once(once, [] { mpg123_init(); });
  mpg123_handle* handle = mpg123_new(nullptr, nullptr);
  if (!handle) return nullptr;
  mpg123_param(handle, MPG123_FLAGS, MPG123_QUIET | flags, 0);
  mpg123_format_none(handle);
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i)
    mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  return handle;
}

namespace {

// The file opened on a new handle and scanned to its end. BASS_ERROR_FORMAT
// when mpg123 cannot read it or it has more than two channels.
int OpenScanned(const std::string& path, mpg123_handle*& handle, File& file, Mpg123Scan& scan) {
  handle = NewMpg123Handle(MPG123_GAPLESS);
  if (!handle) return BASS_ERROR_MEM;
  file = OpenBuffered(path);
  int encoding = 0;
  off_t length = 0;
  if (!file || mpg123_replace_reader_handle(handle, ReadFile, SeekFile, nullptr) != MPG123_OK ||
      mpg123_open_handle(handle, file.get()) != MPG123_OK ||
      mpg123_getformat(handle, &scan.rate, &scan.channels, &encoding) != MPG123_OK ||
      mpg123_scan(handle) != MPG123_OK || (length = mpg123_length(handle)) <= 0 || scan.channels < 1 ||
      scan.channels > 2) {
    mpg123_delete(handle);
    handle = nullptr;
    return BASS_ERROR_FORMAT;
  }
  scan.frames = static_cast<uint64_t>(length);
  return BASS_OK;
}

}  // namespace

std::optional<Mpg123Scan> ScanMpg123File(const std::string& path) {
  Mpg123Scan scan;
  mpg123_handle* handle = nullptr;
  File file(nullptr, &std::fclose);
  if (OpenScanned(path, handle, file, scan) != BASS_OK) return std::nullopt;
  mpg123_delete(handle);
  return scan;
}

OpenResult OpenMpg123Decoder(const std::string& path) {
  Mpg123Scan scan;
  mpg123_handle* handle = nullptr;
  File file(nullptr, &std::fclose);
  if (const int error = OpenScanned(path, handle, file, scan); error != BASS_OK) return {nullptr, error};
  return {std::make_unique<Mpg123Decoder>(handle, std::move(file), scan.rate, scan.channels, scan.frames), BASS_OK};
}

}  // namespace Bass
