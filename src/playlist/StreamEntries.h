#pragma once
// Playlist entries of internet radio streams: their names before the station
// has told its own, and the station's name once it has.
#include <QString>

#include "playlist/PlayListEntry.h"

class PlayListModel;

namespace GeneralFunctions {

// Artist: the server (with its port when it names one); title: the last
// part of the address's path, or the server when the path is empty.
SongArtistTitle SplitStreamUrl(const QString& url);

// A station's title on air as the deck's artist and title: "Artist - Title"
// split at its first " - "; without one, the station's name and the text.
SongArtistTitle SplitStreamTitle(const QString& streamTitle, const QString& station);

// The station behind `url` announced its name: the current entry, when it
// is that stream, takes the name as its title, and so does `playingEntry`
// (the deck's copy). False when nothing changed.
bool NameStation(PlayListModel& model, QString& playingEntry, const QString& url, const QString& name);

}  // namespace GeneralFunctions
