#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// MPEG audio layers I, II and III, with the exact length found by a full scan.
OpenResult OpenMpg123Decoder(const std::string& path);

}  // namespace Bass
