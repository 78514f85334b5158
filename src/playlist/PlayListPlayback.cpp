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

// The new CurrentSongIndex for the mode; sets `endOfList` when the list ran
// out without repeat.
int32_t NextIndex(const PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck,
                  bool& endOfList) {
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
      const int32_t next = deck.ShuffleOn ? ShuffledIndex(current, total) : current + 1;
      if (next <= total - 1) return next;
      endOfList = !deck.RepeatOn;
      return 0;
    }
    case pmSelected:
      return model.GetFirstSelection();
  }
  return current;
}

}  // namespace

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
int32_t UntriedIndex(const PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck,
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
}

}  // namespace PlayListPlayback
