#pragma once
// MPEG audio layer III files through LAME. Sample rates below 32000 Hz give
// MPEG-2/2.5 streams; the files carry a Xing/LAME tag with the exact length.
#include <string>

#include "PcmAudio.h"

namespace MediaGen {

bool WriteMp3(const std::string& path, const PcmAudio& audio, int kilobitsPerSecond = 128);

}  // namespace MediaGen
