#pragma once
// What the player shows on the session bus as an MPRIS2 media player, read
// from the deck, the playlist and the audio front-end.
#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

#include <cstdint>

struct MprisPlayerState {
  QString PlaybackStatus;  // "Playing", "Paused" or "Stopped"
  QString LoopStatus;      // "None" or "Playlist": the deck's repeat
  bool Shuffle = false;
  double Volume = 0;  // 0.0 .. 1.0
  QDBusObjectPath TrackId;
  int64_t LengthUs = 0;
  QString Title;
  QString Artist;
  QString Album;  // from the file's tags; empty when they name none
  QString Url;
  bool HasSong = false;
  bool HasSongs = false;  // the playlist is not empty
  bool CanSeek = false;

  // The xesam/mpris metadata map of the current song.
  QVariantMap Metadata() const;
  // The properties whose values differ from `before`, by their bus names.
  QVariantMap ChangedSince(const MprisPlayerState& before) const;
};

// The track id of the playlist entry at an index, and of no song at all.
QDBusObjectPath MprisTrackId(int playListIndex);
QDBusObjectPath MprisNoTrack();

MprisPlayerState CurrentMprisPlayerState();

// The position of the current song in microseconds.
int64_t CurrentMprisPositionUs();
