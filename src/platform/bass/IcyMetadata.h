#pragma once
// Icecast and SHOUTcast in-band metadata. A server asked for it
// ("Icy-MetaData: 1") that answers with "icy-metaint: N" sends N audio bytes,
// then one length byte L and L x 16 bytes of text such as
// "StreamTitle='Artist - Title';", then N audio bytes again, and so on.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace Bass {

class IcyDemuxer {
 public:
  using AudioFn = std::function<void(const uint8_t* data, size_t size)>;
  using MetadataFn = std::function<void(const std::string& block)>;

  // `interval` 0: the stream carries no metadata and is all audio.
  IcyDemuxer(size_t interval, AudioFn audio, MetadataFn metadata);

  // Hands the audio bytes of `data` on and every complete, non-empty
  // metadata block (its text up to the first zero byte). A block is at most
  // 4080 bytes, so whatever its length byte says, memory stays bounded.
  void Push(const uint8_t* data, size_t size);

 private:
  enum class Part { Audio, Length, Metadata };
  size_t interval;
  AudioFn audio;
  MetadataFn metadata;
  Part part = Part::Audio;
  size_t left;  // bytes left of the current part
  std::string block;
};

// The StreamTitle of a metadata block: the text between "StreamTitle='" and
// the next "';" (or the block's end), with control characters dropped.
// Nothing when the block has no StreamTitle.
std::optional<std::string> StreamTitleOf(const std::string& block);

}  // namespace Bass
