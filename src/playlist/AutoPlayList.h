#pragma once
// The automatic playlist beside the program keeps the list between runs.
#include <QString>

#include <cstdint>

#include "playlist/PlayListFile.h"

class PlayListModel;

namespace AutoPlayList {

QString AutoPlayListPath();

// What start-up learned about the file, so shutdown does not overwrite a
// file that could not be read completely with less, unless the user has
// changed the list since.
struct LoadState {
  bool fileReadIncompletely = false;
  uint64_t revisionAfterLoad = 0;
};

// Start-up: empties the list and reads the automatic playlist into it. On the
// first run (no file yet) the list holds the demo songs beside the program
// and the file is written; an existing empty file gives an empty list.
LoadState LoadAutoPlayList(PlayListModel& model,
                           qint64 maxBytes = PlayListFile::kMaxPlayListBytes);

// Shutdown: writes the list to the automatic playlist.
void SaveAutoPlayList(const PlayListModel& model, const LoadState& state);

}  // namespace AutoPlayList
