#pragma once
// Measurements on decoded audio, for checking that what played is what the
// fixture holds: loudness of a channel and the strength of one frequency.
#include <cstdint>

#include "PcmAudio.h"

namespace MediaGen {

struct FrameRange {
  int64_t first = 0;
  int64_t count = -1;  // -1: to the end
};

// Root mean square of one channel (0 = left) over a frame range.
double ChannelRms(const PcmAudio& audio, int channel, FrameRange range = {});

// Amplitude of the sine component at `frequency` (Goertzel); a full-scale
// sine at that frequency gives about 1.0.
double ToneAmplitude(const PcmAudio& audio, int channel, double frequency, FrameRange range = {});

}  // namespace MediaGen
