#pragma once
#include <QString>

#include <cstdint>

namespace GeneralFunctions {

// A set of playlist display flags in one byte. The first three are a mode:
// exactly one of them is set in every value the player produces.
enum TPLDisplayOption : uint8_t {
  doFullSongFileName = 1,
  doOnlySongFileName = 2,
  doSongArtistTitle = 4,
  doHideCounter = 8,
};
using TPLDisplayOptions = uint8_t;

constexpr TPLDisplayOptions kModeOptions = doFullSongFileName | doOnlySongFileName | doSongArtistTitle;

QString DisplayOptionsToText(TPLDisplayOptions options);
TPLDisplayOptions TextToDisplayOptions(const QString& text);

// Sets one mode flag and clears the other two; doHideCounter is kept.
TPLDisplayOptions WithDisplayMode(TPLDisplayOptions options, TPLDisplayOption mode);

// The text of entry `index` as the list shows it: "<index + 1>. " unless the
// counter is hidden, then the full path, the file name, or "artist - title".
QString DisplayTextOfEntry(const QString& entry, int index, TPLDisplayOptions options);

}  // namespace GeneralFunctions
