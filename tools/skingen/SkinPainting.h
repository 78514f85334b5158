#pragma once
// Drawing primitives shared by every bitmap of the skin: chassis surfaces,
// bevels, display wells, buttons, lamps and labels.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

namespace SkinGen {

// A new opaque bitmap filled with one colour.
QImage NewBitmap(int width, int height, const QColor& fill);

void FillVertical(QPainter& painter, const QRect& area, const QColor& top, const QColor& bottom);

// One-pixel edge: light on top and left, dark on bottom and right (swap the
// colours for a sunken edge).
void Bevel(QPainter& painter, const QRect& area, const QColor& light, const QColor& dark);

// The brushed slate surface of the windows, optionally with a raised edge.
void Chassis(QPainter& painter, const QRect& area, bool raisedEdge);

// A sunken display area in the display colour.
void DisplayWell(QPainter& painter, const QRect& area);

// A raised (released) or sunken (pressed) button face filling the area.
void ButtonFace(QPainter& painter, const QRect& area, bool pressed);

// Paints a glyph centred in the area in the given colour.
using IconPainter = std::function<void(QPainter&, const QRectF& area, const QColor& colour)>;

// A whole button sprite: face, then the icon, which moves one pixel down and
// right and turns amber while pressed.
QImage ButtonSprite(int width, int height, bool pressed, const IconPainter& icon);

// Centred label in the condensed face, shrunk until it fits the area.
void DrawFittedLabel(QPainter& painter, const QRectF& area, const QString& text, const QColor& colour,
                     int largestPixelSize);

// A small rectangular lamp, lit or dark, in the given lit colour.
void DrawLamp(QPainter& painter, const QRect& area, bool lit, const QColor& litColour);

// Filled polygon with antialiasing, points relative to the origin.
void FillPolygon(QPainter& painter, const QPolygonF& polygon, const QColor& colour);

// Mixes two colours; amount 0 gives a, 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double amount);

// The colour of a level indicator at fraction 0 (quiet) .. 1 (loudest).
QColor LevelColour(double fraction);

}  // namespace SkinGen
