#pragma once
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

}  // namespace GeneralFunctions
