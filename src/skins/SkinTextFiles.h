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
  std::array<QColor, 5> Scope;    // entry 0 at the centre line, 4 at the edges
  QColor Peak{150, 150, 150};     // the analyzer's peak dots
  VisColourSettings();
};

extern VisColourSettings VisColours;

// The 24 colours of a "viscolor.txt": line 1 background, line 2 grid dots,
// lines 3 to 18 the analyzer from its top row down, lines 19 to 23 the
// oscilloscope from the centre line outwards, line 24 the peak dots. A line
// that is missing or does not hold a colour keeps the colour `fallback` has
// for it.
VisColourSettings ParseVisColours(const QStringList& lines,
                                  const VisColourSettings& fallback = VisColourSettings());

// Reads "viscolor.txt" into VisColours line by line: each line of the skin's
// own file that is missing or unreadable takes the base skin's colour, and
// a line the base skin lacks too keeps the built-in colour.
void ReadVisColours(SkinFileSource& files);

}  // namespace SkinUnit
