#include "CdImageWriter.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "PcmAudio.h"

namespace MediaGen {

namespace {

std::string Msf(int sectors) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", sectors / (60 * kCdSectorsPerSecond),
                sectors / kCdSectorsPerSecond % 60, sectors % kCdSectorsPerSecond);
  return text;
}

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

}  // namespace

int CdTrackSectors(double seconds) {
  return static_cast<int>(std::ceil(seconds * kCdSectorsPerSecond - 1e-9));
}

bool WriteCueBin(const std::string& cuePath, const std::vector<CdTrackTone>& tracks,
                 std::string* error) {
  const std::filesystem::path binPath = std::filesystem::path(cuePath).replace_extension(".bin");
  std::ofstream bin(binPath, std::ios::binary | std::ios::trunc);
  std::ofstream cue(cuePath, std::ios::trunc);
  if (!bin || !cue) return Fail(error, "cannot create " + cuePath + " or its .bin");

  cue << "FILE \"" << binPath.filename().string() << "\" BINARY\r\n";
  int startSector = 0;
  for (size_t i = 0; i < tracks.size(); ++i) {
    const CdTrackTone& track = tracks[i];
    const int sectors = CdTrackSectors(track.seconds);
    ToneSpec spec;
    spec.frequencies = track.frequencies;
    spec.amplitude = track.amplitude;
    spec.seconds = double(sectors) / kCdSectorsPerSecond;
    std::vector<int16_t> pcm = ToInt16(MakeTone(spec));
    pcm.resize(size_t(sectors) * kCdSectorBytes / sizeof(int16_t), 0);
    // Raw CD audio in a BINARY file is little-endian, like this machine.
    bin.write(reinterpret_cast<const char*>(pcm.data()), std::streamsize(pcm.size() * 2));

    char trackLine[48];
    std::snprintf(trackLine, sizeof trackLine, "  TRACK %02zu AUDIO\r\n", i + 1);
    cue << trackLine << "    INDEX 01 " << Msf(startSector) << "\r\n";
    startSector += sectors;
  }
  bin.close();
  cue.close();
  if (!bin || !cue) return Fail(error, "cannot write " + cuePath + " or its .bin");
  return true;
}

}  // namespace MediaGen
