#pragma once
// Playlist entries (their fields: audio/SongEntryFields.h): how a file or an
// address becomes one, and the parts of a path.
#include <QString>

#include "audio/SongEntryFields.h"

namespace GeneralFunctions {

struct SongArtistTitle {
  QString artist;
  QString title;
};

// Artist and title guessed from the file name "artist - title.ext"; no file is opened.
SongArtistTitle SplitSongFileName(const QString& path);

// The entry of a file entering the playlist, artist and title from its name
// (an internet radio address: from its server and path).
QString BuildPlayListEntry(const QString& path);

// The file name of a path (the text after the last "/"), with its extension.
QString FileNameOfPath(const QString& path);
// The extension of a path's file name with its point, or empty when it has none.
QString FileExtensionOfPath(const QString& path);
// The folder part of a path including its last "/", or empty when it has none.
QString FolderOfPath(const QString& path);

}  // namespace GeneralFunctions
