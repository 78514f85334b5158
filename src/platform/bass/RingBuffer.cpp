#include "platform/bass/RingBuffer.h"

#include <algorithm>
#include <cstring>

namespace Bass {

RingBuffer::RingBuffer(size_t capacity) : bytes(capacity) {}

size_t RingBuffer::Available() const {
  return static_cast<size_t>(written.load(std::memory_order_acquire) - taken.load(std::memory_order_acquire));
}

size_t RingBuffer::Space() const { return bytes.size() - Available(); }

size_t RingBuffer::Write(const uint8_t* data, size_t size) {
  const uint64_t at = written.load(std::memory_order_relaxed);
  const size_t count = std::min(size, Space());
  const size_t start = static_cast<size_t>(at % bytes.size());
  const size_t first = std::min(count, bytes.size() - start);
  std::memcpy(bytes.data() + start, data, first);
  std::memcpy(bytes.data(), data + first, count - first);
  written.store(at + count, std::memory_order_release);
  return count;
}

size_t RingBuffer::Read(uint8_t* out, size_t size) {
  const uint64_t at = taken.load(std::memory_order_relaxed);
  const size_t count = std::min(size, Available());
  const size_t start = static_cast<size_t>(at % bytes.size());
  const size_t first = std::min(count, bytes.size() - start);
  std::memcpy(out, bytes.data() + start, first);
  std::memcpy(out + first, bytes.data(), count - first);
  taken.store(at + count, std::memory_order_release);
  if (count > 0) WakeWriter();
  return count;
}

void RingBuffer::WaitForSpace(const std::atomic<bool>& stop) const {
  // The turn is read before the checks, so a read or wake after them ends the wait.
  const uint32_t seen = turns.load();
  if (Space() > 0 || stop) return;
  turns.wait(seen);
}

void RingBuffer::WakeWriter() {
  turns.fetch_add(1);
  turns.notify_one();
}

}  // namespace Bass
