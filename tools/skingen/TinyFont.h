#pragma once
// A 5-pixel-high pixel font for scale marks and labels too small for an
// outline font to stay legible.
#include <QColor>
#include <QPainter>
#include <QString>

namespace SkinGen {

int TinyTextWidth(const QString& text);

// Draws text (upper-case letters, digits, + - . /) with its top-left corner at x, y.
void DrawTinyText(QPainter& painter, int x, int y, const QString& text, const QColor& colour);

// The same, centred on centreX.
void DrawCentredTinyText(QPainter& painter, int centreX, int y, const QString& text, const QColor& colour);

}  // namespace SkinGen
