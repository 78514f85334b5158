#pragma once
// MP3 and Ogg Vorbis decoders for data that arrives bit by bit: they pull
// compressed bytes from a source that may have none for now, and say so
// instead of taking it for the end.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace Bass {

// Copies up to `size` bytes to `out`; returns how many (0: none for now).
using ByteSource = std::function<size_t(uint8_t* out, size_t size)>;

class StreamingDecoder {
 public:
  enum class Status { Decoded, NeedMore, Failed };
  virtual ~StreamingDecoder() = default;
  // Decodes up to `frames` interleaved 16-bit frames at Rate() and
  // Channels(), which are known once a call has returned frames and may
  // change between calls (a new stream after a reconnection).
  virtual size_t Decode(int16_t* out, size_t frames, Status& status) = 0;
  int Rate() const { return rate; }
  int Channels() const { return channels; }
  int BitRate() const { return bitRate; }  // kilobits per second, 0 when not known

 protected:
  int rate = 0, channels = 0, bitRate = 0;
};

// MPEG audio through libmpg123's feed mode; damaged data is skipped.
std::unique_ptr<StreamingDecoder> OpenMpegStream(ByteSource source);
// Ogg Vorbis through vorbisfile's callbacks; null when the headers cannot be
// read from what the source gives now.
std::unique_ptr<StreamingDecoder> OpenVorbisStream(ByteSource source);

}  // namespace Bass
