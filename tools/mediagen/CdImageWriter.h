#pragma once
// Writes an audio CD disc image: a .cue sheet and the raw .bin beside it,
// each track a stereo 44100 Hz 16-bit tone padded to whole 2352-byte sectors.
#include <string>
#include <vector>

namespace MediaGen {

struct CdTrackTone {
  std::vector<double> frequencies{440.0};
  double seconds = 2.0;
  double amplitude = 0.5;
};

constexpr int kCdSectorBytes = 2352;
constexpr int kCdSectorsPerSecond = 75;

// Sectors a track of this length occupies (rounded up to whole sectors).
int CdTrackSectors(double seconds);

// Writes cuePath and a .bin with the same base name. Returns false (and the
// reason in *error) when a file cannot be written.
bool WriteCueBin(const std::string& cuePath, const std::vector<CdTrackTone>& tracks,
                 std::string* error = nullptr);

}  // namespace MediaGen
