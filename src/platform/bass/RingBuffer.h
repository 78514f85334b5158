#pragma once
// A bounded byte queue between one writer thread and one reader thread that
// never wait for each other: each call moves what fits or what is there. A
// writer with nothing more to do until there is room may sleep for it.
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

  // Writer: sleeps while the buffer is full, until the reader takes bytes or
  // `stop` is set and WakeWriter called.
  void WaitForSpace(const std::atomic<bool>& stop) const;
  // Ends a writer's WaitForSpace, after its stop flag was set.
  void WakeWriter();

 private:
  std::vector<uint8_t> bytes;
  // Running totals; their difference is the fill. The writer alone moves
  // `written`, the reader alone moves `taken`.
  std::atomic<uint64_t> written{0}, taken{0};
  // Counts the reads that freed room and the wake calls, for a sleeping writer.
  std::atomic<uint32_t> turns{0};
};

}  // namespace Bass
