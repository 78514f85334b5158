#pragma once
// Ogg Vorbis files through the reference encoder (libvorbisenc).
#include <string>

#include "PcmAudio.h"

namespace MediaGen {

// quality is libvorbisenc's VBR quality, -0.1..1.0.
bool WriteOgg(const std::string& path, const PcmAudio& audio, float quality = 0.4f);

}  // namespace MediaGen
