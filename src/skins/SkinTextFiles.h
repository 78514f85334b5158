#pragma once
// The skin's text files: playlist colours ("Playlist.txt" / "pledit.txt") and
// visualization colours ("viscolor.txt"). Lines that cannot be read leave the
// values they would have set as they were.
#include <QColor>
#include <QString>
#include <QStringList>

#include <array>

namespace SkinUnit {

class SkinFileSource;

struct PlaylistColourSettings {
  QColor Normal{0, 255, 0};        // list text
  QColor Current{255, 255, 255};   // text of the current entry
  QColor NormalBG{0, 0, 0};        // list background
  QColor SelectedBG{0, 0, 198};    // background of selected entries
  QString FontName{QStringLiteral("Arial")};
};

// Program-wide; a key absent from the file keeps the previous skin's value.
extern PlaylistColourSettings PlaylistColours;

// Applies the keys found in one line of a playlist colour file.
void ApplyPlaylistColourLine(const QString& line, PlaylistColourSettings& colours);

// Reads the file (skin folder, else default skin folder) and applies every
// line in order into PlaylistColours.
void ReadPlaylistColours(SkinFileSource& files, const QString& fileName);

struct VisColourSettings {
  QColor Background{0, 0, 0};
  QColor Grid{24, 33, 41};
  std::array<QColor, 16> Levels;  // entry 0 the lowest level
  VisColourSettings();
};

extern VisColourSettings VisColours;

// The colours of a "viscolor.txt": line 1 background, line 2 grid, lines 3 to
// 18 the level ramp from the top down. Unreadable or missing lines keep the
// default colour of their entry.
VisColourSettings ParseVisColours(const QStringList& lines);

// Reads "viscolor.txt" (skin folder, else default skin folder) into VisColours.
void ReadVisColours(SkinFileSource& files);

}  // namespace SkinUnit
