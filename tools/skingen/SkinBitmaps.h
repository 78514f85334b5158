#pragma once
// The bitmaps of the default skin, grouped by the window part they dress.
// Every bitmap is laid out exactly where the skin loader cuts its sprites.
#include <QImage>
#include <QString>

#include <vector>

namespace SkinGen {

struct NamedBitmap {
  QString fileName;
  QImage image;
};

// "FontSmall.bmp" and "numbers.bmp": the 8 x 13 text and digit cells.
std::vector<NamedBitmap> TextBitmaps();

// The deck background, its buttons and lamps.
std::vector<NamedBitmap> DeckBitmaps();

// The position, volume and balance bars with their slider buttons.
std::vector<NamedBitmap> BarBitmaps();

// The equalizer window and its visual effects.
std::vector<NamedBitmap> EqualizerBitmaps();

// The playlist editor's frame tiles and menu buttons.
std::vector<NamedBitmap> PlaylistBitmaps();

// Play-state symbols (playing, paused, stopped, spare) and the two
// transmission strips; both skin layouts keep them alike.
QImage PlayPauseSheet();

// The base skin in the Winamp layout, under the Winamp file names.
std::vector<NamedBitmap> WinampBitmaps();

// One 8 x 13 cell of the small font: the character on the display colour.
QImage TextCell(QChar character);

// Draws text onto a display area with the cells of the small font.
void DrawCellText(QPainter& painter, int x, int y, const QString& text);

// Copies a sprite onto a sheet with its top-left corner at x, y.
void Place(QImage& sheet, const QImage& sprite, int x, int y);

}  // namespace SkinGen
