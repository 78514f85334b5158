#pragma once
#include "platform/bass/Decoder.h"

namespace Bass {

// Reads one audio track of a drive or disc image sector by sector through
// cdparanoia (error correction on drives, straight reads on images), as
// 44100 Hz stereo 16-bit frames.
OpenResult OpenCdTrackDecoder(const std::string& driveName, bool isImage, int track);

}  // namespace Bass
