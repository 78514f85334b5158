#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/bass/Decoder.h"

struct mpg123_handle_struct;

namespace Bass {

// MPEG audio layers I, II and III, with the exact length found by a full scan.
OpenResult OpenMpg123Decoder(const std::string& path);

// What a scan of every frame of an MPEG audio file finds (nothing is
// decoded): its length in sample frames as the decoder plays it (encoder delay
// and padding left out), at `rate` Hz with `channels` channels.
struct Mpg123Scan {
  uint64_t frames = 0;
  long rate = 0;
  int channels = 0;
};
// Reads the whole file; nothing when mpg123 finds no MPEG audio in it.
std::optional<Mpg123Scan> ScanMpg123File(const std::string& path);

// A quiet mpg123 handle (the library set up on first use) that gives 16-bit
// signed samples at the source's own rate and channel count; null when
// mpg123 has no memory. `flags` are added to MPG123_QUIET.
mpg123_handle_struct* NewMpg123Handle(long flags);

}  // namespace Bass
