#include "platform/bass/IcyMetadata.h"

#include <algorithm>
#include <cstring>

namespace Bass {

IcyDemuxer::IcyDemuxer(size_t interval, AudioFn audioFn, MetadataFn metadataFn)
    : interval(interval), audio(std::move(audioFn)), metadata(std::move(metadataFn)), left(interval) {}

void IcyDemuxer::Push(const uint8_t* data, size_t size) {
  if (interval == 0) {
    audio(data, size);
    return;
  }
  while (size > 0) {
    switch (part) {
      case Part::Audio: {
        const size_t count = std::min(left, size);
        audio(data, count);
        data += count;
        size -= count;
        left -= count;
        if (left == 0) part = Part::Length;
        break;
      }
      case Part::Length:
        left = size_t{*data} * 16;
        ++data;
        --size;
        block.clear();
        part = left > 0 ? Part::Metadata : Part::Audio;
        if (left == 0) left = interval;
        break;
      case Part::Metadata: {
        const size_t count = std::min(left, size);
        block.append(reinterpret_cast<const char*>(data), count);
        data += count;
        size -= count;
        left -= count;
        if (left > 0) break;
        block.resize(std::strlen(block.c_str()));
        if (!block.empty()) metadata(block);
        part = Part::Audio;
        left = interval;
        break;
      }
    }
  }
}

std::optional<std::string> StreamTitleOf(const std::string& block) {
  static constexpr char kKey[] = "StreamTitle='";
  const size_t key = block.find(kKey);
  if (key == std::string::npos) return std::nullopt;
  const size_t start = key + sizeof kKey - 1;
  const size_t end = block.find("';", start);
  std::string title = block.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (end == std::string::npos && !title.empty() && title.back() == '\'') title.pop_back();
  title.erase(std::remove_if(title.begin(), title.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }),
              title.end());
  return title;
}

}  // namespace Bass
