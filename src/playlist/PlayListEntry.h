#pragma once
// A playlist entry is one text holding a song's path, artist and title behind
// three fixed tags:
//   ";PL_SONGPATH_ID=" path ";PL_SONGARTIST_ID=" artist ";PL_SONGTITLE_ID=" title
// Everything that needs a song's path, artist or title reads it from such a text.
#include <QString>

namespace GeneralFunctions {

inline constexpr char kSongPathTag[] = ";PL_SONGPATH_ID=";
inline constexpr char kSongArtistTag[] = ";PL_SONGARTIST_ID=";
inline constexpr char kSongTitleTag[] = ";PL_SONGTITLE_ID=";

struct SongArtistTitle {
  QString artist;
  QString title;
};

// Artist and title guessed from the file name "artist - title.ext"; no file is opened.
SongArtistTitle SplitSongFileName(const QString& path);

// The entry of a file entering the playlist, artist and title from its name
// (an internet radio address: from its server and path).
QString BuildPlayListEntry(const QString& path);

// The readers give an empty field when the entry lacks the tags around it.
QString GetEntrySongPath(const QString& entry);
QString GetEntrySongArtist(const QString& entry);
QString GetEntrySongTitle(const QString& entry);

// Replace one field in place; the other fields stay as they are.
void SetEntrySongArtist(const QString& artist, QString& entry);
void SetEntrySongTitle(const QString& title, QString& entry);

// The file name of a path (the text after the last "/"), with its extension.
QString FileNameOfPath(const QString& path);
// The extension of a path's file name with its point, or empty when it has none.
QString FileExtensionOfPath(const QString& path);
// The folder part of a path including its last "/", or empty when it has none.
QString FolderOfPath(const QString& path);

}  // namespace GeneralFunctions
