#pragma once
// Glyphs painted on buttons, each centred in the area it is given.
#include "SkinPainting.h"

namespace SkinGen::Icons {

IconPainter Previous();
IconPainter Play();
IconPainter Pause();
IconPainter Stop();
IconPainter Next();
IconPainter Eject();

IconPainter MainMenu();
IconPainter Minimize();
IconPainter Close();
IconPainter ToggleSize();

// A text label in the condensed face, used by the playlist menus.
IconPainter Label(const QString& text, int largestPixelSize);

}  // namespace SkinGen::Icons
