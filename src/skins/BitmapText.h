#pragma once
// Text and numbers drawn from sprite fonts onto paint boxes, one sprite per
// cell, each cell advancing by the image list's sprite width.
#include <QString>

#include <cstdint>

#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"

namespace GeneralFunctions {

// 1 while a Winamp skin is loaded (Winamp font layout), 0 for a skin of the
// player's own format (95 cells in character-code order).
extern uint8_t SkinIsWinamp;

// The font cell of a character in the current layout.
int CharacterCell(QChar character);

// Draws exactly `cells` characters (spaces past the end of the text); in the
// Winamp layout an at sign takes two cells, 27 and 28.
void DrawBitmapText(const QString& text, int cells, int x, int y,
                    const PlatformUi::ImageList& font, PlatformUi::PaintBox& box);
// The same into a picture its owner shows.
void DrawBitmapTextInto(QImage& canvas, const QString& text, int cells, int x, int y,
                        const PlatformUi::ImageList& font);

// Digits 0-9 as cells 0-9, "+" and a shown blank as 10, "-" as 11. The text is
// padded on the left to minLength; a colon draws nothing and takes the sprite
// width minus the gap, every drawn cell adds the gap.
void DrawNumberText(const QString& text, int minLength, int gap, int x, int y,
                    const PlatformUi::ImageList& numbers, PlatformUi::PaintBox& box,
                    bool showBlanks);

// As DrawNumberText, but a colon is drawn as cell 13, and a question mark is
// skipped like an unshown blank.
void DrawTimeText(const QString& text, int minLength, int gap, int x, int y,
                  const PlatformUi::ImageList& numbers, PlatformUi::PaintBox& box,
                  bool showBlanks);

}  // namespace GeneralFunctions
