#include "MprisState.h"

#include <QFileInfo>
#include <QUrl>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"

namespace {

namespace Audio = KestrelixAudioApi;

constexpr int64_t kMicroseconds = 1'000'000;

QString PlaybackStatusText(uint8_t playStatus) {
  switch (playStatus) {
    case Audio::psPlaying: return QStringLiteral("Playing");
    case Audio::psPaused: return QStringLiteral("Paused");
    default: return QStringLiteral("Stopped");
  }
}

}  // namespace

QDBusObjectPath MprisTrackId(int playListIndex) {
  return QDBusObjectPath(QStringLiteral("/org/solvane/Track/%1").arg(playListIndex));
}

QDBusObjectPath MprisNoTrack() {
  return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
}

MprisPlayerState CurrentMprisPlayerState() {
  const auto& vars = Audio::vars;
  const PlayListModel& playList = PlayListEditorForm->PlayList;
  MprisPlayerState state;
  state.PlaybackStatus = PlaybackStatusText(vars.PlayStatus);
  state.LoopStatus = DeckForm->Settings.RepeatOn ? QStringLiteral("Playlist") : QStringLiteral("None");
  state.Shuffle = DeckForm->Settings.ShuffleOn;
  state.Volume = vars.VolumeValue / 100.0;
  state.HasSongs = playList.TotalFiles() > 0;
  state.HasSong = !vars.CurrentSongEntry.isEmpty();
  state.TrackId = state.HasSong ? MprisTrackId(playList.CurrentSongIndex) : MprisNoTrack();
  if (state.HasSong) {
    const QString path = GeneralFunctions::GetEntrySongPath(vars.CurrentSongEntry);
    state.Title = GeneralFunctions::GetEntrySongTitle(vars.CurrentSongEntry);
    if (state.Title.isEmpty()) state.Title = GeneralFunctions::FileNameOfPath(path);
    state.Artist = GeneralFunctions::GetEntrySongArtist(vars.CurrentSongEntry);
    if (const SongFacts::Facts* facts = PlayListEditorForm->TagReading.Reader.Find(path)) state.Album = facts->album;
    // CD tracks are named by a path that is no file.
    if (QFileInfo(path).isFile()) state.Url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    state.LengthUs = vars.TotalSeconds * kMicroseconds;
    state.CanSeek = vars.TotalSeconds > 0 && vars.FileKind != Audio::fkNone;
  }
  return state;
}

int64_t CurrentMprisPositionUs() {
  const auto& vars = Audio::vars;
  if (vars.PlayStatus == Audio::psStopped || vars.FileKind == Audio::fkNone) return 0;
  return vars.ElapsedSeconds * kMicroseconds;
}

QVariantMap MprisPlayerState::Metadata() const {
  QVariantMap map{{QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackId)}};
  if (!HasSong) return map;
  map.insert(QStringLiteral("mpris:length"), qlonglong{LengthUs});
  map.insert(QStringLiteral("xesam:title"), Title);
  if (!Artist.isEmpty()) map.insert(QStringLiteral("xesam:artist"), QStringList{Artist});
  if (!Album.isEmpty()) map.insert(QStringLiteral("xesam:album"), Album);
  if (!Url.isEmpty()) map.insert(QStringLiteral("xesam:url"), Url);
  return map;
}

QVariantMap MprisPlayerState::ChangedSince(const MprisPlayerState& before) const {
  QVariantMap changed;
  auto note = [&changed](const char* name, bool differs, const QVariant& value) {
    if (differs) changed.insert(QLatin1String(name), value);
  };
  note("PlaybackStatus", PlaybackStatus != before.PlaybackStatus, PlaybackStatus);
  note("LoopStatus", LoopStatus != before.LoopStatus, LoopStatus);
  note("Shuffle", Shuffle != before.Shuffle, Shuffle);
  note("Volume", Volume != before.Volume, Volume);
  const bool songChanged = TrackId != before.TrackId || LengthUs != before.LengthUs ||
                           Title != before.Title || Artist != before.Artist || Album != before.Album ||
                           Url != before.Url;
  note("Metadata", songChanged, Metadata());
  note("CanGoNext", HasSongs != before.HasSongs, HasSongs);
  note("CanGoPrevious", HasSongs != before.HasSongs, HasSongs);
  note("CanPlay", HasSongs != before.HasSongs, HasSongs);
  note("CanPause", HasSong != before.HasSong, HasSong);
  note("CanSeek", CanSeek != before.CanSeek, CanSeek);
  return changed;
}
