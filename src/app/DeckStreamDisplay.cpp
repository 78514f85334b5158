#include "DeckStreamDisplay.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "playlist/PlayListEntry.h"
#include "playlist/StreamEntries.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"

namespace {

namespace Audio = KestrelixAudioApi;

// The title change the deck shows last; the state of this unit.
struct StreamDisplayState {
  uint32_t shownTitleChanges = 0;
} displayed;

void ShowStatus(TDeckForm& deck, const QString& status) {
  if (deck.StatusText == status) return;
  deck.StatusText = status;
  deck.DrawStatusText();
}

void ShowSongTexts(TDeckForm& deck, const GeneralFunctions::SongArtistTitle& song) {
  if (GeneralFunctions::SkinIsWinamp == 1) {
    // One line only: the entry's number, then everything.
    const int number = PlayListEditorForm->PlayList.CurrentSongIndex + 1;
    const QString text = song.artist.isEmpty() ? song.title : song.artist + QStringLiteral(" - ") + song.title;
    deck.SetArtistScrollText(QString::number(number) + '.' + text);
    return;
  }
  deck.SetArtistScrollText(song.artist);
  deck.SetTitleScrollText(song.title);
}

}  // namespace

void ShowInternetStream(TDeckForm& deck) {
  auto& vars = Audio::vars;
  if (vars.IsInternetStream != 1) return;
  if (vars.PlayStatus == Audio::psPlaying)
    ShowStatus(deck, vars.StreamBuffering == 1 ? QStringLiteral("Buffering") : QStringLiteral("Playing"));

  const QString url = GeneralFunctions::GetEntrySongPath(vars.CurrentSongEntry);
  const bool named = GeneralFunctions::NameStation(PlayListEditorForm->PlayList, vars.CurrentSongEntry, url,
                                                   vars.StreamName);
  // Until the first title arrives the deck shows the station's name.
  if (named && vars.StreamTitle.isEmpty())
    ShowSongTexts(deck, {GeneralFunctions::GetEntrySongArtist(vars.CurrentSongEntry), vars.StreamName});
  if (vars.StreamTitleChanges == displayed.shownTitleChanges || vars.StreamTitle.isEmpty()) return;
  displayed.shownTitleChanges = vars.StreamTitleChanges;
  ShowSongTexts(deck, GeneralFunctions::SplitStreamTitle(vars.StreamTitle, vars.StreamName));
}
