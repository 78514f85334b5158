#pragma once
// Parts that the deck, the equalizer and the playlist editor share: title
// bars, the small title-bar buttons and labelled toggle buttons.
#include <QImage>
#include <QString>

#include <vector>

#include "SkinPainting.h"

namespace SkinGen {

// How one piece of a title bar is dressed: caption (may be empty), the span
// of the grip lines, the dummy button (negative x: none) and which outer
// edges get a bevel.
struct TitleStyle {
  QString caption;
  int gripLeft;
  int gripRight;
  int toggleX;
  bool leftEdge;
  bool rightEdge;
};

QImage TitleStrip(int width, int height, const TitleStyle& style, bool active);

// A title bar with grip lines and a centred caption. A dummy button face is
// painted at toggleX (negative: none) for a title-bar button the skin format
// gives no sprite of its own.
QImage TitleBar(int width, int height, const QString& caption, bool active, int toggleX);

// An empty deck-sized window face: chassis under the given (active) title bar.
QImage WindowFace(const QImage& titleBar);

// A 9 x 9 title-bar button.
QImage TitleButton(const IconPainter& icon, bool pressed);

// Title-bar buttons in a row from x, y, every `step` pixels: each icon
// released and then pressed.
void PlaceTitleButtons(QImage& sheet, const std::vector<IconPainter>& icons, int x, int y, int step);

// A button with a lamp on its left and a label; states in skin order: off,
// off pressed, on, on pressed.
QImage LampButton(int width, int height, const QString& label, int state);

// A slider knob with grip lines across its long side.
QImage SliderKnob(int width, int height, bool pressed);

// The sunken plate with the sun emblem and the program name.
void DrawEmblem(QPainter& painter, const QRect& area);

}  // namespace SkinGen
