#pragma once
// A source of 16-bit PCM frames: a stream file, a music module or a CD track.
// Threads: the caller's thread opens a decoder and its channel reads Format,
// LengthFrames and Seekable once, when it is made; from then on Read and Seek
// run on the mixer thread only. Waiting may be asked from any thread, so a
// decoder answers it from an atomic.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace Bass {

struct SourceFormat {
  int rate = 44100;
  int channels = 2;       // 1 or 2
  bool eightBit = false;  // the file holds 8-bit samples (decoded to 16-bit all the same)
};

class Decoder {
 public:
  virtual ~Decoder() = default;
  // Writes up to `frames` interleaved frames; returns how many. 0 means the
  // source has ended or can no longer be decoded.
  virtual size_t Read(int16_t* out, size_t frames) = 0;
  virtual bool Seek(uint64_t frame) = 0;
  virtual uint64_t LengthFrames() const = 0;
  // A source with no sound for now that has not ended (an internet stream
  // filling its buffer); Read's 0 then means "not yet".
  virtual bool Waiting() const { return false; }
  virtual bool Seekable() const { return true; }
  const SourceFormat& Format() const { return format; }

 protected:
  SourceFormat format;
};

// The outcome of opening a decoder: the decoder, or the error code of the failure.
struct OpenResult {
  std::unique_ptr<Decoder> decoder;
  int error = 0;
};

// Folds interleaved frames of `channels` channels (more than two) into stereo
// in place: left averages the even channels, right the odd ones.
void FoldToStereo(int16_t* samples, size_t frames, int channels);

}  // namespace Bass
