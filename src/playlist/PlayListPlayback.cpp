#include "PlayListPlayback.h"

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

void PlayPlayListSong(PlayListModel& model, TPlayMode mode, const DeckPlaySettings& deck) {
  const PlayListHooks::DeckDisplay& display = PlayListHooks::Deck();
  bool endOfList = false;
  model.CurrentSongIndex = NextIndex(model, mode, deck, endOfList);
  if (endOfList) Call(display.SetStatusText, QStringLiteral("Stopped"));

  const int32_t index = model.CurrentSongIndex;
  if (index < 0) return;
  Call(model.ListChanged);
  if (model.TotalFiles() <= 0) return;
  Audio::AudioResume();
  if (mode == pmResume) return;
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
  if (endOfList) return;

  Audio::vars.BalanceValue = deck.BalanceValue;
  Audio::AudioSetBalance();
  Audio::vars.VolumeValue = deck.VolumeValue;
  Audio::AudioSetVolume();
  Audio::AudioPlay();
}

}  // namespace PlayListPlayback
