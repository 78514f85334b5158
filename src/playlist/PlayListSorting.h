#pragma once
// Reordering the playlist: by a key, by the entries' own text, at random or
// backwards. The selection is cleared; CurrentSongIndex and TotalFiles keep
// their values, so the current index names whatever entry now stands there.
#include <QString>

#include <cstdint>

class PlayListModel;

namespace PlayListSorting {

enum SortKind : uint8_t {
  stFileName = 0,
  stPathAndFileName = 1,
  stFileExtension = 2,
  stFileSize = 3,
  stFileDate = 4,
  stSongArtist = 5,
  stSongTitle = 6,
  stRandomize = 7,
  stReverse = 8,
};

void SortPlayList(PlayListModel& model, uint8_t sortType);

// The sort key of one entry; entries with equal keys are ordered by their text.
QString SortKeyOfEntry(const QString& entry, uint8_t sortType);

// A file's local last-write time packed as a DOS date (upper 16 bits) and
// time (lower 16 bits, 2-second steps); -1 when the file cannot be found.
int64_t PackedFileDate(const QString& path);

}  // namespace PlayListSorting
