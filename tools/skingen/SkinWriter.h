#pragma once
// Writes the complete default skin into a folder.
#include <QString>

namespace SkinGen {

// Draws and writes every bitmap, text file and cursor of the skin; false with
// a message when a file cannot be written.
bool WriteDefaultSkin(const QString& folder, QString* error);

// Writes the base skin in the Winamp layout (bitmaps and text files).
bool WriteWinampBaseSkin(const QString& folder, QString* error);

}  // namespace SkinGen
