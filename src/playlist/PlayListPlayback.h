#pragma once
// Choosing the song to play and handing it to the audio front-end.
#include <QString>

#include <cstdint>

class PlayListModel;

namespace PlayListPlayback {

enum TPlayMode : uint8_t { pmPrevious = 0, pmPlay = 1, pmResume = 2, pmNext = 3, pmSelected = 4 };

// The deck's modes and slider values that playing a song needs.
struct DeckPlaySettings {
  bool RepeatOn = false;
  bool ShuffleOn = false;
  int32_t VolumeValue = 0;
  int32_t BalanceValue = 50;
  // An entry reached by Next or Previous (or the end of the song before) that
  // cannot be played is passed over without an error box.
  bool SkipUnplayable = true;
};

// Moves CurrentSongIndex as the mode says (previous, same, next or shuffled,
// first selected), copies that entry into the front-end's CurrentSongEntry,
// updates the deck's song texts, loads the song and starts it. Past the end
// of the list without repeat the first song is loaded but left stopped and
// the deck shows "Stopped". pmResume only resumes the paused song.
//
// With SkipUnplayable, Next and Previous go on past entries that cannot be
// played until one plays, and the deck's text line tells why the last one
// could not; a whole list of them stops after one pass. An entry chosen
// directly reports its failure in the error box and stays stopped.
void PlayPlayListSong(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck);

// The deck's song lines for entry `index` (with a Winamp skin the artist line
// shows "<number>.<artist>" and the title line is left alone).
void ShowSongTexts(int32_t index, const QString& entry);

}  // namespace PlayListPlayback
