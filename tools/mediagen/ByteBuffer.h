#pragma once
// Little helper for the binary module writers: appends integers in either
// byte order and fixed-width text fields, and patches values written earlier.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace MediaGen {

class ByteBuffer {
 public:
  void U8(int value) { bytes_.push_back(uint8_t(value)); }
  void Le16(int value) {
    U8(value);
    U8(value >> 8);
  }
  void Le32(uint32_t value) {
    Le16(int(value & 0xFFFF));
    Le16(int(value >> 16));
  }
  void Be16(int value) {
    U8(value >> 8);
    U8(value);
  }
  // Text cut or padded with zero bytes to exactly `width` bytes.
  void Text(const std::string& text, size_t width) {
    for (size_t i = 0; i < width; ++i) U8(i < text.size() ? text[i] : 0);
  }
  void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
  void Bytes(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  void PadTo(size_t multiple) {
    while (bytes_.size() % multiple != 0) U8(0);
  }

  void PatchU8(size_t at, int value) { bytes_[at] = uint8_t(value); }
  void PatchLe16(size_t at, int value) {
    bytes_[at] = uint8_t(value);
    bytes_[at + 1] = uint8_t(value >> 8);
  }
  void PatchLe32(size_t at, uint32_t value) {
    PatchLe16(at, int(value & 0xFFFF));
    PatchLe16(at + 2, int(value >> 16));
  }

  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Data() const { return bytes_; }

  bool SaveAs(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes_.data()), std::streamsize(bytes_.size()));
    return bool(file);
  }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace MediaGen
