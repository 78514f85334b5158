#pragma once
// A playlist entry is one text holding a song's path, artist and title behind
// three fixed tags:
//   ";PL_SONGPATH_ID=" path ";PL_SONGARTIST_ID=" artist ";PL_SONGTITLE_ID=" title
// Everything that needs a song's path, artist or title reads it from such a
// text; the audio front-end's current song is one.
#include <QString>

namespace GeneralFunctions {

inline constexpr char kSongPathTag[] = ";PL_SONGPATH_ID=";
inline constexpr char kSongArtistTag[] = ";PL_SONGARTIST_ID=";
inline constexpr char kSongTitleTag[] = ";PL_SONGTITLE_ID=";

// The entry of a song with these fields.
QString MakeSongEntry(const QString& path, const QString& artist, const QString& title);

// The readers give an empty field when the entry lacks the tags around it.
QString GetEntrySongPath(const QString& entry);
QString GetEntrySongArtist(const QString& entry);
QString GetEntrySongTitle(const QString& entry);

// Replace one field in place; the other fields stay as they are.
void SetEntrySongArtist(const QString& artist, QString& entry);
void SetEntrySongTitle(const QString& title, QString& entry);

}  // namespace GeneralFunctions
