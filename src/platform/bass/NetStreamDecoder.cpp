#include "platform/bass/NetStreamDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/bass/Resampler.h"
#include "platform/bass/StreamingDecoders.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

constexpr size_t kChunkFrames = 1024;
constexpr size_t kProbeBytes = 64 * 1024;    // read at most this far for the stream's kind and headers
constexpr size_t kProbeStep = 4 * 1024;       // read at a time while finding it
constexpr size_t kMinPrebufferBytes = 4 * 1024;
constexpr int kDefaultKbps = 128;

enum class Kind { Unknown, Mpeg, Vorbis, Unplayable };

bool StartsWithAny(const std::string& text, std::initializer_list<const char*> prefixes) {
  return std::any_of(prefixes.begin(), prefixes.end(), [&text](const char* p) { return text.rfind(p, 0) == 0; });
}

// An MPEG audio frame header: 11 sync bits, a version, a layer, a bit rate
// and a sample rate that exist.
bool IsMpegFrameAt(const std::vector<uint8_t>& bytes, size_t at) {
  if (at + 4 > bytes.size() || bytes[at] != 0xFF || (bytes[at + 1] & 0xE0) != 0xE0) return false;
  const uint8_t b1 = bytes[at + 1], b2 = bytes[at + 2];
  return (b1 & 0x18) != 0x08 && (b1 & 0x06) != 0 && (b2 & 0xF0) != 0xF0 && (b2 & 0x0C) != 0x0C;
}

size_t FindOggPage(const std::vector<uint8_t>& bytes) {
  static constexpr char kCapture[] = "OggS";
  const auto found = std::search(bytes.begin(), bytes.end(), kCapture, kCapture + 4);
  return static_cast<size_t>(found - bytes.begin());
}

// The stream's kind from the server's content type, else from its first bytes.
Kind KindOf(const std::string& contentType, const std::vector<uint8_t>& head) {
  if (StartsWithAny(contentType, {"audio/mpeg", "audio/mp3", "audio/x-mpeg", "audio/mpeg3"})) return Kind::Mpeg;
  if (StartsWithAny(contentType, {"application/ogg", "audio/ogg", "audio/vorbis", "audio/x-ogg", "audio/x-vorbis"}))
    return Kind::Vorbis;
  if (StartsWithAny(contentType, {"audio/", "video/", "application/pdf", "image/"}) &&
      contentType != "audio/unknown")
    return Kind::Unplayable;  // AAC, Opus in its own types, and the like
  if (FindOggPage(head) < head.size()) return Kind::Vorbis;
  if (head.size() >= 3 && std::memcmp(head.data(), "ID3", 3) == 0) return Kind::Mpeg;
  for (size_t at = 0; at + 4 <= head.size(); ++at)
    if (IsMpegFrameAt(head, at)) return Kind::Mpeg;
  return Kind::Unknown;
}

int16_t ToSample(float value) {
  return static_cast<int16_t>(std::clamp(std::lrint(value * 32768.0f), -32768L, 32767L));
}

class NetStreamDecoder : public Decoder {
 public:
  NetStreamDecoder(std::shared_ptr<NetStream> net, std::shared_ptr<NetSourceInfo> info, int mixRate)
      : net(std::move(net)), info(std::move(info)), mixRate(mixRate) {
    format.rate = mixRate;
    format.channels = 2;
  }

  size_t Read(int16_t* out, size_t frames) override;
  bool Seek(uint64_t) override { return false; }
  uint64_t LengthFrames() const override { return 0; }
  bool Waiting() const override { return info->waiting; }
  bool Seekable() const override { return false; }

 private:
  bool Ended() const { return failed || (net->Finished() && net->Buffer().Available() == 0 && headAt == head.size()); }
  size_t PrebufferBytes() const;
  size_t SourceBytes(uint8_t* out, size_t size);
  bool Probe();
  bool Refill();
  void TakeChunk(size_t got);
  void Fail() {
    failed = true;
    info->error = BASS_ERROR_FILEFORM;
  }

  const std::shared_ptr<NetStream> net;
  const std::shared_ptr<NetSourceInfo> info;
  const int mixRate;

  bool buffering = true;  // waiting for the buffer to fill before sound starts again
  bool failed = false;
  std::vector<uint8_t> head;  // the first bytes, kept while the stream's kind is found
  size_t headAt = 0;          // how much of `head` the decoder has taken
  bool headOnly = false;      // the decoder may read `head` but not the ring yet
  bool decodedSinceProbe = false;
  std::unique_ptr<StreamingDecoder> inner;

  std::unique_ptr<Resampler> resampler;
  std::vector<int16_t> raw, stereo;  // one decoded chunk, then the same as stereo
  size_t stereoFrames = 0, stereoUsed = 0;
  std::vector<float> resampled;
};

size_t NetStreamDecoder::PrebufferBytes() const {
  const int announced = net->Tags().bitRate;
  const int kbps = announced > 0 ? announced : kDefaultKbps;
  // About a second of the stream, which keeps the start quick.
  const size_t second = static_cast<size_t>(kbps) * 1000 / 8;
  return std::clamp(second, kMinPrebufferBytes, net->Buffer().Capacity() / 2);
}

size_t NetStreamDecoder::SourceBytes(uint8_t* out, size_t size) {
  const size_t fromHead = std::min(size, head.size() - headAt);
  std::memcpy(out, head.data() + headAt, fromHead);
  headAt += fromHead;
  if (fromHead > 0 || headOnly) return fromHead;
  return net->Buffer().Read(out, size);
}

bool NetStreamDecoder::Probe() {
  RingBuffer& ring = net->Buffer();
  // A little at a time: what the decoder has read decides which title shows.
  for (;;) {
    const size_t before = head.size();
    head.resize(before + kProbeStep);
    head.resize(before + ring.Read(head.data() + before, std::min(kProbeStep, kProbeBytes - std::min(before, kProbeBytes))));
    headAt = 0;
    const bool noMore = net->Finished() && ring.Available() == 0;
    const Kind kind = KindOf(net->Tags().contentType, head);
    if (kind == Kind::Mpeg) {
      inner = OpenMpegStream([this](uint8_t* out, size_t size) { return SourceBytes(out, size); });
      info->type = BASS_CTYPE_STREAM_MP3;
    } else if (kind == Kind::Vorbis) {
      // Start at the first page; a stream joined mid-page has junk before it.
      head.erase(head.begin(), head.begin() + static_cast<std::ptrdiff_t>(FindOggPage(head)));
      headOnly = true;
      inner = OpenVorbisStream([this](uint8_t* out, size_t size) { return SourceBytes(out, size); });
      headOnly = false;
      if (!inner) headAt = 0;
      info->type = BASS_CTYPE_STREAM_OGG;
    }
    if (inner) {
      decodedSinceProbe = false;
      return true;
    }
    if (kind == Kind::Unplayable || head.size() >= kProbeBytes || (noMore && !head.empty())) {
      Fail();
      return false;
    }
    if (head.size() == before) return false;  // more must arrive first
  }
}

void NetStreamDecoder::TakeChunk(size_t got) {
  const int channels = inner->Channels();
  stereo.resize(got * 2);
  if (channels == 1) {
    for (size_t i = 0; i < got; ++i) stereo[2 * i] = stereo[2 * i + 1] = raw[i];
  } else {
    if (channels > 2) FoldToStereo(raw.data(), got, channels);
    std::copy_n(raw.data(), got * 2, stereo.data());
  }
  stereoFrames = got;
  stereoUsed = 0;
  if (!resampler || resampler->InputRate() != inner->Rate())
    resampler = std::make_unique<Resampler>(inner->Rate(), mixRate, 2);
  info->rate = inner->Rate();
  info->channels = channels;
  if (inner->BitRate() > 0) info->bitRate = inner->BitRate();
  decodedSinceProbe = true;
}

bool NetStreamDecoder::Refill() {
  if (!inner && !Probe()) return false;
  raw.resize(kChunkFrames * 8);  // room for up to eight channels
  StreamingDecoder::Status status;
  const size_t got = inner->Decode(raw.data(), kChunkFrames, status);
  if (got > 0 && inner->Rate() > 0 && inner->Channels() > 0) {
    TakeChunk(got);
    return true;
  }
  if (status == StreamingDecoder::Status::Failed) {
    // Damage, or a new stream after a reconnection: find the stream again,
    // unless nothing at all could be decoded since the last time.
    if (!decodedSinceProbe) Fail();
    inner.reset();
    head.clear();
    headAt = 0;
  }
  return false;
}

size_t NetStreamDecoder::Read(int16_t* out, size_t frames) {
  if (buffering) {
    if (net->Buffer().Available() < PrebufferBytes() && !net->Finished()) return 0;
    buffering = false;
  }
  resampled.resize(frames * 2);
  size_t produced = 0;
  while (produced < frames && !failed) {
    if (stereoUsed == stereoFrames && !Refill()) break;
    const Resampler::Progress progress =
        resampler->Process(stereo.data() + stereoUsed * 2, stereoFrames - stereoUsed, resampled.data(), frames - produced);
    std::transform(resampled.data(), resampled.data() + progress.produced * 2, out + produced * 2, ToSample);
    stereoUsed += progress.consumed;
    produced += progress.produced;
  }
  const bool ended = Ended();
  if (produced < frames && !ended) buffering = true;
  info->waiting = produced < frames && !ended;
  return produced;
}

}  // namespace

OpenResult OpenNetStreamDecoder(const std::string& url, const NetOptions& options, int mixRate,
                                std::shared_ptr<NetStream>& net, std::shared_ptr<NetSourceInfo>& info) {
  net = std::make_shared<NetStream>(url, options);
  info = std::make_shared<NetSourceInfo>();
  return {std::make_unique<NetStreamDecoder>(net, info, mixRate), BASS_OK};
}

}  // namespace Bass
