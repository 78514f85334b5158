#pragma once
// Generated skins and sprite lists for the skin tests.
#include <QImage>
#include <QString>

#include <vector>

#include "platform/ui/ImageList.h"

namespace SkinTests {

// The colour a generated skin bitmap has at x, y; the marker tells skins apart.
QRgb Pixel(int x, int y, int marker = 0);

// Writes a w x h bitmap whose every pixel is Pixel(x, y, marker).
void WritePatternBitmap(const QString& path, int w, int h, int marker = 0);

// Writes every file of a native skin into the folder, bitmaps as patterns.
void WriteNativeSkin(const QString& folder, int marker = 0);

// Writes every file of a Winamp skin into the folder, bitmaps as patterns;
// `upperCase` writes the names in capitals.
void WriteWinampSkin(const QString& folder, int marker = 0, bool upperCase = false);

// The Winamp skin's files and their sizes (width, height; 0 for text files).
struct SkinFileSize {
  const char* name;
  int w, h;
};
const std::vector<SkinFileSize>& WinampSkinFiles();

// An 8-bit bitmap with a palette, RLE8-compressed or not; pixel x, y has
// palette entry (x + 2y) % 256, whose colour is PaletteColour of that entry.
QByteArray EightBitBitmap(int w, int h, bool rle);
QRgb PaletteColour(int entry);

// A zip archive of the given files (name, bytes).
QByteArray ZipArchive(const std::vector<std::pair<QString, QByteArray>>& files);

// Every file of a folder, by name, for packing into an archive.
std::vector<std::pair<QString, QByteArray>> FolderFiles(const QString& folder, const QString& prefix = {});

// Writes a 32 x 32, 32-bit Windows cursor file with the given hot spot.
void WriteCursorFile(const QString& path, int hotX, int hotY);

// Writes raw bytes to a file.
void WriteBytes(const QString& path, const QByteArray& bytes);

// A list of `count` solid sprites; sprite k is Numbered(k).
PlatformUi::ImageList NumberedSprites(int count, int w, int h);
QRgb Numbered(int k);

// Reads back the sprite numbers drawn in a row of cells (-1: nothing drawn).
std::vector<int> CellsAt(const QImage& canvas, const std::vector<int>& xs, int y = 0);

}  // namespace SkinTests
