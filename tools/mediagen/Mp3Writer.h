#pragma once
// MPEG audio layer III files through LAME. Sample rates below 32000 Hz give
// MPEG-2/2.5 streams. By default the files are constant bit rate and carry a
// Xing/LAME tag with the exact length.
#include <string>

#include "PcmAudio.h"

namespace MediaGen {

struct Mp3Options {
  int kilobitsPerSecond = 128;  // constant bit rate; the free-format rate
  bool variableBitRate = false;  // LAME's VBR at quality 2; kilobitsPerSecond unused
  bool lameTag = true;           // the first frame holds the Xing/LAME tag
  bool freeFormat = false;       // frames without a bit-rate index (constant rates only)
};

bool WriteMp3(const std::string& path, const PcmAudio& audio, const Mp3Options& options);
bool WriteMp3(const std::string& path, const PcmAudio& audio, int kilobitsPerSecond = 128);

}  // namespace MediaGen
