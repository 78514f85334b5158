#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// Tracker modules (MOD, XM, S3M, IT, MTM, UMX and the rest libopenmpt reads),
// rendered at the mix rate. `flags` are BASS_MusicLoad's: BASS_MUSIC_RAMP or
// BASS_MUSIC_RAMPS ramp volume changes, BASS_MUSIC_LOOP repeats for ever,
// BASS_MUSIC_MONO renders mono, BASS_MUSIC_NONINTER leaves samples
// uninterpolated. The length is the duration of one play-through.
OpenResult OpenMusicDecoder(const std::string& path, int mixRate, uint32_t flags);

}  // namespace Bass
