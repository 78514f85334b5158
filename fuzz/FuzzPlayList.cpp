// Playlist files: the player's own entries, M3U and PLS lines, read from a file.
#include "FuzzInput.h"
#include "playlist/PlayListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  PlayListFile::ReadPlayListFile(Fuzz::WriteInputFile(data, size, QStringLiteral(".m3u")));
  return 0;
}
