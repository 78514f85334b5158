#pragma once
#include "platform/bass/Decoder.h"

struct mpg123_handle_struct;

namespace Bass {

// MPEG audio layers I, II and III, with the exact length found by a full scan.
OpenResult OpenMpg123Decoder(const std::string& path);

// A quiet mpg123 handle (the library set up on first use) that gives 16-bit
// signed samples at the source's own rate and channel count; null when
// mpg123 has no memory. `flags` are added to MPG123_QUIET.
mpg123_handle_struct* NewMpg123Handle(long flags);

}  // namespace Bass
