#pragma once
// The typefaces the skin is drawn with, loaded from the DejaVu font files.
#include <QFont>
#include <QString>

namespace SkinGen {

// Registers the DejaVu fonts found in fontFolder; false when one is missing.
bool LoadSkinFonts(const QString& fontFolder, QString* error);

// Fixed-width bold face of the 8 x 13 text cells and the display digits.
QFont DisplayFont(int pixelSize);

// Condensed bold face for button labels and engravings.
QFont LabelFont(int pixelSize);

}  // namespace SkinGen
