#pragma once
// The internet streams among the library's streams, by handle: their
// connections and what their decoders found, for the calls that ask about
// them. The channel owns both; this only looks.
#include <memory>
#include <optional>

#include "platform/bass/NetStream.h"
#include "platform/bass/NetStreamDecoder.h"
#include "platform/bass/bass.h"

namespace Bass {

struct NetStreamLink {
  std::shared_ptr<NetStream> net;
  std::shared_ptr<NetSourceInfo> info;
};

// Options for new streams, as BASS_SetConfig left them.
NetOptions CurrentNetOptions();

void RememberNetStream(DWORD handle, const NetStreamLink& link);
// The stream behind `handle` while it exists; empty pointers otherwise.
NetStreamLink FindNetStream(DWORD handle);

// BASS_StreamGetFilePosition for an internet stream; nothing when `handle`
// is not one.
std::optional<DWORD> NetFilePosition(DWORD handle, DWORD mode);

}  // namespace Bass
