#pragma once
// The decoder of an internet stream, used by the mixer thread like any
// other: it reads the network's ring buffer, tells MP3 from Ogg Vorbis by
// the server's content type and the first bytes, and gives 16-bit stereo at
// the mix rate whatever the station sends, so the channel's format is fixed
// before the first byte arrives. While the buffer fills (at the start and
// after it ran dry) it gives nothing and reports Waiting().
#include <atomic>
#include <memory>
#include <string>

#include "platform/bass/Decoder.h"
#include "platform/bass/NetStream.h"
#include "platform/bass/bass.h"

namespace Bass {

// What the decoder found out about the stream, for callers on other threads.
struct NetSourceInfo {
  std::atomic<int> rate{0};      // the station's sample rate, Hz; 0 until known
  std::atomic<int> channels{0};  // the station's channel count; 0 until known
  std::atomic<int> bitRate{0};   // kilobits per second, 0 until known
  std::atomic<DWORD> type{0};    // BASS_CTYPE_STREAM_MP3 or _OGG once known
  std::atomic<bool> waiting{true};
  std::atomic<int> error{0};     // BASS_ERROR_FILEFORM when the stream could not be decoded
};

// The stream of `url` at `mixRate`; the connection starts at once. `info`
// is filled as the stream reveals itself.
OpenResult OpenNetStreamDecoder(const std::string& url, const NetOptions& options, int mixRate,
                                std::shared_ptr<NetStream>& net, std::shared_ptr<NetSourceInfo>& info);

}  // namespace Bass
