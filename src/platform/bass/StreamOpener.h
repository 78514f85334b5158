#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// Opens a stream file with the decoder its content names (RIFF/WAVE and the
// other sound containers, FLAC, Ogg Vorbis and Opus, MPEG frames after an
// optional ID3 tag), falling back to the decoder its extension names. Error codes: BASS_ERROR_FILEOPEN
// when the file cannot be read, BASS_ERROR_FORMAT when no decoder takes it.
OpenResult OpenStreamDecoder(const std::string& path);

}  // namespace Bass
