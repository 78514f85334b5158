#include "PlayListPlayback.h"

#include <QSet>
#include <QString>

#include <algorithm>
#include <utility>

#include "audio/KestrelixAudioApi.h"
#include "platform/ui/RandomGenerator.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListModel.h"

namespace PlayListPlayback {

namespace {

namespace Audio = KestrelixAudioApi;

// The song chosen to follow the playing one, and what the choice rested on.
struct PreparedSong {
  bool planned = false;
  NextChoice choice;
  QString path;  // of the chosen entry: tag reading may rewrite its other fields
  bool shuffleOn = false, repeatOn = false;
};
PreparedSong prepared;

// A random index other than the current one; a single entry is played again.
int32_t ShuffledIndex(int32_t current, int32_t total) {
  if (total < 2) return total == 1 ? 0 : current + 1;
  if (current < 0 || current >= total) return PlatformUi::RandomBelow(total);
  const int32_t drawn = PlatformUi::RandomBelow(total - 1);
  return drawn >= current ? drawn + 1 : drawn;
}

template <typename Hook, typename... Args>
void Call(const Hook& hook, Args&&... args) {
  if (hook) hook(std::forward<Args>(args)...);
}

QString PathAt(const PlayListModel& model, int32_t index) {
  return index >= 0 && index < model.TotalFiles() ? GeneralFunctions::GetEntrySongPath(model.Entry(index)) : QString();
}

// Where the entry with this path stands: at `expected` unless the list changed.
int32_t IndexOfPath(const PlayListModel& model, int32_t expected, const QString& path) {
  if (PathAt(model, expected) == path) return expected;
  for (int32_t i = 0; i < model.TotalFiles(); ++i)
    if (PathAt(model, i) == path) return i;
  return -1;
}

// Whether pmNext would still play the prepared song: the same entry, chosen
// by the same rule, wherever it has moved to. A shuffled choice stands while
// its entry is still in the list.
bool PlanStillHolds(const PlayListModel& model, const DeckPlaySettings& deck) {
  NextChoice& planned = prepared.choice;
  if (!prepared.planned || deck.ShuffleOn != prepared.shuffleOn || deck.RepeatOn != prepared.repeatOn) return false;
  NextChoice now;
  if (deck.ShuffleOn && model.QueueEmpty()) {
    if (planned.fromQueue) return false;
    now = {IndexOfPath(model, planned.index, prepared.path), false, false};
    if (now.index == model.CurrentSongIndex) return false;
  } else {
    now = ChooseNext(model, deck);
  }
  if (now.index < 0 || now.endOfList != planned.endOfList || now.fromQueue != planned.fromQueue ||
      PathAt(model, now.index) != prepared.path)
    return false;
  planned.index = now.index;
  return true;
}

// The prepared choice while it holds, so Next plays the song that was
// opened ahead; otherwise a new one.
NextChoice PlannedOrChosenNext(const PlayListModel& model, const DeckPlaySettings& deck) {
  return PlanStillHolds(model, deck) ? prepared.choice : ChooseNext(model, deck);
}

void CancelPreparedSong() {
  if (!prepared.planned) return;
  prepared = {};
  Audio::AudioCancelNextSong();
}

// The new CurrentSongIndex for the mode; sets `endOfList` when the list ran
// out without repeat. A queued song played leaves the queue.
int32_t NextIndex(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck, bool& endOfList) {
  const int32_t total = model.TotalFiles();
  const int32_t current = model.CurrentSongIndex;
  switch (mode) {
    case pmPrevious:
      // An index left beyond a list that shrank goes to the last entry.
      if (current < 1) return total - 1;
      return std::min(current - 1, total - 1);
    case pmPlay:
    case pmResume:
      return current > total - 1 ? 0 : current;
    case pmNext: {
      const NextChoice next = PlannedOrChosenNext(model, deck);
      if (next.fromQueue) model.TakeQueueFront();
      endOfList = next.endOfList;
      return next.index;
    }
    case pmSelected:
      return model.GetFirstSelection();
  }
  return current;
}

}  // namespace

NextChoice ChooseNext(const PlayListModel& model, const DeckPlaySettings& deck) {
  if (const int32_t queued = model.QueueFront(); queued >= 0) return {queued, false, true};
  const int32_t total = model.TotalFiles();
  const int32_t next = deck.ShuffleOn ? ShuffledIndex(model.CurrentSongIndex, total) : model.CurrentSongIndex + 1;
  if (next <= total - 1) return {next, false, false};
  return {0, !deck.RepeatOn, false};
}

void ShowSongTexts(int32_t index, const QString& entry) {
  const PlayListHooks::DeckDisplay& deck = PlayListHooks::Deck();
  const QString artist = GeneralFunctions::GetEntrySongArtist(entry);
  if (deck.SkinIsWinamp && deck.SkinIsWinamp()) {
    Call(deck.SetArtistScrollText, QString::number(index + 1) + '.' + artist);
    return;
  }
  Call(deck.SetArtistScrollText, artist);
  Call(deck.SetTitleScrollText, GeneralFunctions::GetEntrySongTitle(entry));
}

namespace {

enum class Outcome { Done, Unplayable };

// Steps 2 to 10 for the entry at CurrentSongIndex: loads it and, unless the
// list ran out, starts it. An entry the back-end could not load or start is
// not started (no second error for the same song).
Outcome PlayCurrentSong(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck,
                        bool endOfList) {
  const PlayListHooks::DeckDisplay& display = PlayListHooks::Deck();
  const int32_t index = model.CurrentSongIndex;
  if (index < 0) return Outcome::Done;
  Call(model.ListChanged);
  if (model.TotalFiles() <= 0) return Outcome::Done;
  Audio::AudioResume();
  if (mode == pmResume) return Outcome::Done;
  Audio::AudioStop();
  CancelPreparedSong();

  Audio::vars.CurrentSongEntry = model.Entry(index);
  model.ItemIndex = index;
  ShowSongTexts(index, Audio::vars.CurrentSongEntry);

  const bool equalizerOn = Audio::vars.EQEnabled == 1;
  if (equalizerOn) Audio::DetachEqualizer();
  Audio::AudioLoadSong();
  if (equalizerOn) Audio::AttachEqualizer();
  Call(display.SetRateTexts, QStringLiteral("128"), QStringLiteral("44"));
  Call(display.DisplayFileType);

  Audio::vars.PositionPercent = 0;
  Audio::AudioSetPosition();
  Audio::AudioStop();
  Call(display.DrawPositionSlider);
  if (endOfList) return Outcome::Done;
  if (!Audio::vars.SongErrorText.isEmpty()) return Outcome::Unplayable;

  Audio::vars.BalanceValue = deck.BalanceValue;
  Audio::AudioSetBalance();
  Audio::vars.VolumeValue = deck.VolumeValue;
  Audio::AudioSetVolume();
  Audio::AudioPlay();
  return Audio::vars.SongErrorText.isEmpty() ? Outcome::Done : Outcome::Unplayable;
}

// Shuffle draws again rather than come back to an entry this pass found
// unplayable, while there are others.
int32_t UntriedIndex(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck,
                     const QSet<int32_t>& tried, bool& endOfList) {
  int32_t index = NextIndex(model, mode, deck, endOfList);
  while (deck.ShuffleOn && mode == pmNext && tried.contains(index) && tried.size() < model.TotalFiles())
    index = NextIndex(model, mode, deck, endOfList);
  return index;
}

}  // namespace

void PlayPlayListSong(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck) {
  auto& vars = Audio::vars;
  const bool skipping = deck.SkipUnplayable && (mode == pmNext || mode == pmPrevious);
  // A station that ended before any of its sound arrived is an unplayable
  // entry of this pass; without skipping, playing stops on it.
  QString failure = mode == pmNext && vars.PlayStatus == Audio::psEnded ? vars.SongErrorText : QString();
  model.UnplayableInARow = failure.isEmpty() ? 0 : model.UnplayableInARow + 1;
  const bool stopHere = !failure.isEmpty() && (!skipping || model.UnplayableInARow >= model.TotalFiles());

  vars.QuietSongErrors = skipping ? 1 : 0;
  QSet<int32_t> tried;
  while (!stopHere) {
    bool endOfList = false;
    model.CurrentSongIndex = UntriedIndex(model, mode, deck, tried, endOfList);
    if (endOfList) Call(PlayListHooks::Deck().SetStatusText, QStringLiteral("Stopped"));
    const Outcome outcome = PlayCurrentSong(model, mode, deck, endOfList);
    if (!vars.SongErrorText.isEmpty()) failure = vars.SongErrorText;
    if (outcome != Outcome::Unplayable || !skipping) break;
    tried.insert(model.CurrentSongIndex);
    if (++model.UnplayableInARow >= model.TotalFiles()) break;
  }
  vars.QuietSongErrors = 0;
  if (stopHere) Audio::AudioStop();
  if (skipping || stopHere) {
    if (!failure.isEmpty()) Call(PlayListHooks::Deck().ShowNotice, failure);
  }
  KeepNextSongPrepared(model, deck);
}

void KeepNextSongPrepared(PlayListModel& model, const DeckPlaySettings& deck) {
  const auto& vars = Audio::vars;
  const bool songGoesOn = vars.PlayStatus == Audio::psPlaying || vars.PlayStatus == Audio::psPaused;
  const bool joinable = (vars.FileKind == Audio::fkStream || vars.FileKind == Audio::fkMusic) && !vars.IsInternetStream;
  if (!deck.Gapless || !songGoesOn || !joinable) return CancelPreparedSong();
  if (PlanStillHolds(model, deck)) return;
  CancelPreparedSong();
  prepared = {true, ChooseNext(model, deck), {}, deck.ShuffleOn, deck.RepeatOn};
  prepared.path = PathAt(model, prepared.choice.index);
  // A failed opening is remembered too, so it is not tried again each tick.
  if (prepared.choice.endOfList || prepared.path.isEmpty()) return;
  Audio::vars.NextSongEntry = model.Entry(prepared.choice.index);
  Audio::AudioPrepareNextSong();
}

void TakeJoinedSong(PlayListModel& model, const DeckPlaySettings& deck) {
  const PlayListHooks::DeckDisplay& display = PlayListHooks::Deck();
  const NextChoice joined = prepared.choice;
  prepared = {};
  if (joined.fromQueue && model.QueueFront() == joined.index) model.TakeQueueFront();
  const int32_t index = IndexOfPath(model, joined.index, GeneralFunctions::GetEntrySongPath(Audio::vars.CurrentSongEntry));
  if (index >= 0) model.CurrentSongIndex = model.ItemIndex = index;
  ShowSongTexts(model.CurrentSongIndex, Audio::vars.CurrentSongEntry);
  Call(display.DisplayFileType);
  Call(model.ListChanged);
  KeepNextSongPrepared(model, deck);
}

}  // namespace PlayListPlayback
