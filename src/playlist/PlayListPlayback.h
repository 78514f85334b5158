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
  // The next song is opened ahead and follows the playing one without a gap.
  bool Gapless = false;
};

// The song pmNext plays: the first queued entry, else the next one in
// shuffle or list order.
struct NextChoice {
  int32_t index = -1;
  bool endOfList = false;  // past the end without repeat: loaded, not started
  bool fromQueue = false;  // it leaves the queue when it is played
};
NextChoice ChooseNext(const PlayListModel& model, const DeckPlaySettings& deck);

// Moves CurrentSongIndex as the mode says (previous, same, next: queued,
// shuffled or following, first selected), copies that entry into the front-end's CurrentSongEntry,
// updates the deck's song texts, loads the song and starts it. Past the end
// of the list without repeat the first song is loaded but left stopped and
// the deck shows "Stopped". pmResume only resumes the paused song.
//
// With SkipUnplayable, Next and Previous go on past entries that cannot be
// played until one plays, and the deck's text line tells why the last one
// could not; a whole list of them stops after one pass. An entry chosen
// directly reports its failure in the error box and stays stopped.
void PlayPlayListSong(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck);

// Gapless playback: while a song plays (or is paused), the song pmNext would
// play is kept open in the front-end to follow it, opened again when an
// edit of the list, the queue, shuffle or repeat changes which song that
// is. Without gapless, or at the end of the list without repeat, nothing
// is kept open. The deck calls this on its end-of-song timer.
void KeepNextSongPrepared(PlayListModel& model, const DeckPlaySettings& deck);

// The prepared song took over at its first sample (the front-end's
// SongJoinedEvent): it becomes the current song, leaves the queue, the deck
// shows it and the song after it is prepared.
void TakeJoinedSong(PlayListModel& model, const DeckPlaySettings& deck);

// The deck's song lines for entry `index` (with a Winamp skin the artist line
// shows "<number>.<artist>" and the title line is left alone).
void ShowSongTexts(int32_t index, const QString& entry);

}  // namespace PlayListPlayback
