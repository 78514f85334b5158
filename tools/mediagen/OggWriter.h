#pragma once
// Ogg Vorbis files through the reference encoder (libvorbisenc).
#include <string>

#include "PcmAudio.h"
#include "TaggedFiles.h"

namespace MediaGen {

// quality is libvorbisenc's VBR quality, -0.1..1.0.
// comments are Vorbis comment fields (name, value) written beside the encoder's own.
bool WriteOgg(const std::string& path, const PcmAudio& audio, float quality = 0.4f,
              const Comments& comments = {});

}  // namespace MediaGen
