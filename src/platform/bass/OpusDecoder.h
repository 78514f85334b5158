#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// Ogg Opus files (libopusfile), decoded at 48000 Hz.
OpenResult OpenOpusDecoder(const std::string& path);

}  // namespace Bass
