#include "WindowParts.h"

#include <QPainter>
#include <cmath>

#include "Icons.h"
#include "SkinFonts.h"
#include "SkinPalette.h"
#include "WindowSize.h"

namespace SkinGen {

namespace {

void GripLines(QPainter& painter, int left, int right, int top, const QColor& light, const QColor& dark) {
  if (right <= left) return;
  for (int row = 0; row < 3; ++row) {
    painter.fillRect(left, top + 3 * row, right - left, 1, light);
    painter.fillRect(left, top + 3 * row + 1, right - left, 1, dark);
  }
}

}  // namespace

QImage TitleStrip(int width, int height, const TitleStyle& style, bool active) {
  QImage bar = NewBitmap(width, height, Palette::ChassisTop);
  QPainter painter(&bar);
  FillVertical(painter, bar.rect(), active ? Palette::TitleTop : Palette::TitleInactiveTop,
               active ? Palette::TitleBottom : Palette::TitleInactiveBottom);
  const QColor edge = active ? Palette::ChassisLight : Palette::TitleInactiveTop.lighter(115);
  painter.fillRect(0, 0, width, 1, edge);
  painter.fillRect(0, height - 1, width, 1, Palette::ChassisDark);
  if (style.leftEdge) painter.fillRect(0, 0, 1, height, edge);
  if (style.rightEdge) painter.fillRect(width - 1, 0, 1, height, Palette::ChassisDark);

  const QFont font = LabelFont(10);
  const int captionWidth = style.caption.isEmpty() ? 0 : QFontMetrics(font).horizontalAdvance(style.caption);
  const int captionLeft = (width - captionWidth) / 2;
  const QColor light = active ? Mix(Palette::ChassisLight, Palette::Amber, 0.35) : Palette::TitleInactiveTop.lighter(130);
  const int gripTop = (height - 8) / 2 + 1;
  if (style.caption.isEmpty()) {
    GripLines(painter, style.gripLeft, style.gripRight, gripTop, light, Palette::ChassisDark);
  } else {
    GripLines(painter, style.gripLeft, captionLeft - 6, gripTop, light, Palette::ChassisDark);
    GripLines(painter, captionLeft + captionWidth + 6, style.gripRight, gripTop, light, Palette::ChassisDark);
    painter.setFont(font);
    painter.setPen(active ? Palette::Amber : Palette::TitleInactiveText);
    painter.drawText(QRect(captionLeft, 0, captionWidth, height), Qt::AlignCenter, style.caption);
  }
  if (style.toggleX >= 0) painter.drawImage(style.toggleX, 3, TitleButton(Icons::ToggleSize(), false));
  return bar;
}

QImage TitleBar(int width, int height, const QString& caption, bool active, int toggleX) {
  return TitleStrip(width, height, TitleStyle{caption, 16, width - 50, toggleX, true, true}, active);
}

QImage WindowFace(const QImage& titleBar) {
  QImage face = NewBitmap(WindowWidth, WindowHeight, Palette::ChassisBottom);
  QPainter painter(&face);
  Chassis(painter, face.rect(), true);
  painter.drawImage(0, 0, titleBar);
  return face;
}

QImage TitleButton(const IconPainter& icon, bool pressed) { return ButtonSprite(9, 9, pressed, icon); }

void PlaceTitleButtons(QImage& sheet, const std::vector<IconPainter>& icons, int x, int y, int step) {
  QPainter painter(&sheet);
  for (const IconPainter& icon : icons) {
    painter.drawImage(x, y, TitleButton(icon, false));
    painter.drawImage(x + step, y, TitleButton(icon, true));
    x += 2 * step;
  }
}

QImage LampButton(int width, int height, const QString& label, int state) {
  const bool pressed = state == 1 || state == 3;
  const bool on = state >= 2;
  QImage image = NewBitmap(width, height, Palette::ChassisBottom);
  QPainter painter(&image);
  ButtonFace(painter, image.rect(), pressed);
  const int shift = pressed ? 1 : 0;
  DrawLamp(painter, QRect(3 + shift, 4 + shift, 4, height - 8), on, Palette::Amber);
  const QRectF labelArea(8 + shift, shift, width - 9, height);
  if (!pressed) DrawFittedLabel(painter, labelArea.translated(0, 1), label, Palette::IconShadow, 8);
  DrawFittedLabel(painter, labelArea, label, on ? Palette::AmberBright : Palette::Icon, 8);
  return image;
}

QImage SliderKnob(int width, int height, bool pressed) {
  QImage knob = NewBitmap(width, height, Palette::ChassisBottom);
  QPainter painter(&knob);
  ButtonFace(painter, knob.rect(), pressed);
  const QColor grip = pressed ? Palette::Amber : Palette::ChassisDark;
  if (width >= height) {
    for (int x = width / 2 - 3; x <= width / 2 + 3 && height > 4; x += 3) painter.fillRect(x, 2, 1, height - 4, grip);
    if (height <= 4) painter.fillRect(2, height / 2, width - 4, 1, grip);
  } else {
    painter.fillRect(1, height / 2, width - 2, 1, grip);
    painter.fillRect(1, height / 2 - 3, width - 2, 1, grip);
    painter.fillRect(1, height / 2 + 3, width - 2, 1, grip);
  }
  return knob;
}

void DrawEmblem(QPainter& painter, const QRect& area) {
  painter.save();
  FillVertical(painter, area, Palette::ChassisBottom, Palette::ChassisTop);
  Bevel(painter, area, Palette::ChassisDark, Palette::ChassisLight);
  const QPointF sun(area.center().x() + 0.5, area.top() + 17.5);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(QPen(Palette::Amber, 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int ray = 0; ray < 12; ++ray) {
    const double angle = ray * M_PI / 6;
    painter.drawLine(QPointF(sun.x() + 8.5 * std::cos(angle), sun.y() + 8.5 * std::sin(angle)),
                     QPointF(sun.x() + 12 * std::cos(angle), sun.y() + 12 * std::sin(angle)));
  }
  QRadialGradient glow(sun - QPointF(2, 2), 8);
  glow.setColorAt(0, Palette::AmberBright);
  glow.setColorAt(1, Palette::Amber);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(sun, 6.5, 6.5);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DrawFittedLabel(painter, QRectF(area.left() + 2, area.bottom() - 13, area.width() - 4, 12),
                  QStringLiteral("SOLVANE"), Palette::Engraving, 9);
  painter.restore();
}

}  // namespace SkinGen
