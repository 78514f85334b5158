#pragma once
// A bounded byte queue between one writer thread and one reader thread that
// never wait for each other: each call moves what fits or what is there.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Bass {

class RingBuffer {
 public:
  explicit RingBuffer(size_t capacity);

  size_t Capacity() const { return bytes.size(); }
  size_t Available() const;  // bytes the reader can take
  size_t Space() const;      // bytes the writer can add
  uint64_t TotalWritten() const { return written; }
  uint64_t TotalRead() const { return taken; }

  // Writer: copies as much of `data` as fits; returns how much.
  size_t Write(const uint8_t* data, size_t size);
  // Reader: copies up to `size` bytes out; returns how many.
  size_t Read(uint8_t* out, size_t size);

 private:
  std::vector<uint8_t> bytes;
  // Running totals; their difference is the fill. The writer alone moves
  // `written`, the reader alone moves `taken`.
  std::atomic<uint64_t> written{0}, taken{0};
};

}  // namespace Bass
