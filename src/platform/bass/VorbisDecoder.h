#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// Ogg Vorbis files.
OpenResult OpenVorbisDecoder(const std::string& path);

}  // namespace Bass
