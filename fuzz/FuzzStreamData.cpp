// What an internet radio station sends after its headers: audio with ICY
// metadata between, split and decoded as MP3 and as Ogg Vorbis. The first
// byte sets the metadata interval (0: none).
#include <string>
#include <vector>

#include "platform/bass/IcyMetadata.h"
#include "platform/bass/StreamingDecoders.h"

namespace {

// Decodes everything the bytes give, the way the mixer thread asks for it.
void DecodeAll(std::unique_ptr<Bass::StreamingDecoder> decoder) {
  if (!decoder) return;
  std::vector<int16_t> pcm(1024 * 8);
  Bass::StreamingDecoder::Status status = Bass::StreamingDecoder::Status::Decoded;
  while (status == Bass::StreamingDecoder::Status::Decoded) decoder->Decode(pcm.data(), 1024, status);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string audio;
  Bass::IcyDemuxer demuxer(
      size_t{data[0]} * 64, [&](const uint8_t* bytes, size_t count) { audio.append(reinterpret_cast<const char*>(bytes), count); },
      [](const std::string& block) { Bass::StreamTitleOf(block); });
  demuxer.Push(data + 1, size - 1);
  for (auto open : {Bass::OpenMpegStream, Bass::OpenVorbisStream}) {
    size_t at = 0;
    DecodeAll(open([&](uint8_t* out, size_t wanted) {
      const size_t count = std::min(wanted, audio.size() - at);
      std::copy_n(audio.data() + at, count, out);
      at += count;
      return count;
    }));
  }
  return 0;
}
