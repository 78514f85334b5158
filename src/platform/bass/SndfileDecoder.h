#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// WAV and the other containers libsndfile reads: 8/16/24/32-bit PCM and float.
OpenResult OpenSndfileDecoder(const std::string& path);

}  // namespace Bass
