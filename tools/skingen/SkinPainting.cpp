#include "SkinPainting.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <algorithm>

#include "SkinFonts.h"
#include "SkinPalette.h"

namespace SkinGen {

QImage NewBitmap(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void FillVertical(QPainter& painter, const QRect& area, const QColor& top, const QColor& bottom) {
  // Row by row so that the result is exact and identical on every run.
  const int rows = area.height();
  for (int row = 0; row < rows; ++row) {
    const double amount = rows > 1 ? static_cast<double>(row) / (rows - 1) : 0.0;
    painter.fillRect(area.left(), area.top() + row, area.width(), 1, Mix(top, bottom, amount));
  }
}

void Bevel(QPainter& painter, const QRect& area, const QColor& light, const QColor& dark) {
  painter.fillRect(area.left(), area.top(), area.width(), 1, light);
  painter.fillRect(area.left(), area.top(), 1, area.height(), light);
  painter.fillRect(area.left(), area.bottom(), area.width(), 1, dark);
  painter.fillRect(area.right(), area.top(), 1, area.height(), dark);
}

void Chassis(QPainter& painter, const QRect& area, bool raisedEdge) {
  FillVertical(painter, area, Palette::ChassisTop, Palette::ChassisBottom);
  if (raisedEdge) Bevel(painter, area, Palette::ChassisLight, Palette::ChassisDark);
}

void DisplayWell(QPainter& painter, const QRect& area) {
  painter.fillRect(area, Palette::Display);
  Bevel(painter, area.adjusted(-1, -1, 1, 1), Palette::ChassisDark, Palette::ChassisLight);
}

void ButtonFace(QPainter& painter, const QRect& area, bool pressed) {
  if (pressed) {
    FillVertical(painter, area, Palette::PressedTop, Palette::PressedBottom);
    Bevel(painter, area, Palette::ChassisDark, Palette::FaceTop);
  } else {
    FillVertical(painter, area, Palette::FaceTop, Palette::FaceBottom);
    Bevel(painter, area, Palette::ChassisLight, Palette::ChassisDark);
    painter.fillRect(area.left() + 1, area.top() + 1, area.width() - 2, 1, Mix(Palette::FaceTop, Palette::Icon, 0.25));
  }
}

QImage ButtonSprite(int width, int height, bool pressed, const IconPainter& icon) {
  QImage image = NewBitmap(width, height, Palette::ChassisBottom);
  QPainter painter(&image);
  ButtonFace(painter, image.rect(), pressed);
  QRectF iconArea(1, 1, width - 2, height - 2);
  if (pressed) iconArea.translate(1, 1);
  painter.setRenderHint(QPainter::Antialiasing, true);
  if (!pressed) icon(painter, iconArea.translated(0, 1), Palette::IconShadow);
  icon(painter, iconArea, pressed ? Palette::Amber : Palette::Icon);
  return image;
}

void DrawFittedLabel(QPainter& painter, const QRectF& area, const QString& text, const QColor& colour,
                     int largestPixelSize) {
  // Tighten the letters first, then shrink the face, until the text fits.
  QFont font = LabelFont(largestPixelSize);
  for (int size = largestPixelSize; size > 6; --size) {
    font = LabelFont(size);
    if (QFontMetrics(font).horizontalAdvance(text) <= area.width()) break;
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
    if (QFontMetrics(font).horizontalAdvance(text) <= area.width()) break;
  }
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(area, Qt::AlignCenter, text);
  painter.restore();
}

void DrawLamp(QPainter& painter, const QRect& area, bool lit, const QColor& litColour) {
  painter.fillRect(area, Palette::ChassisDark);
  const QRect inner = area.adjusted(1, 1, -1, -1);
  if (lit) {
    FillVertical(painter, inner, Mix(litColour, Qt::white, 0.45), litColour);
  } else {
    painter.fillRect(inner, Mix(litColour, Palette::ChassisDark, 0.8));
  }
}

void FillPolygon(QPainter& painter, const QPolygonF& polygon, const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(polygon);
  painter.restore();
}

QColor Mix(const QColor& a, const QColor& b, double amount) {
  amount = std::clamp(amount, 0.0, 1.0);
  const auto channel = [amount](int from, int to) { return static_cast<int>(from + (to - from) * amount + 0.5); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QColor LevelColour(double fraction) {
  if (fraction < 0.6) return Mix(Palette::DisplayText, QColor(0xd8, 0xf0, 0x6a), fraction / 0.6);
  if (fraction < 0.85) return Mix(QColor(0xd8, 0xf0, 0x6a), Palette::Amber, (fraction - 0.6) / 0.25);
  return Mix(Palette::Amber, Palette::Red, (fraction - 0.85) / 0.15);
}

}  // namespace SkinGen
