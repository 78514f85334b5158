#include <QPainter>

#include "SkinBitmaps.h"
#include "SkinPainting.h"
#include "SkinPalette.h"
#include "WindowParts.h"

namespace SkinGen {

namespace {

constexpr int BarSteps = 26;  // sprites per bar, the highest index being 25

// Volume: a wedge that widens upwards, lit from the bottom to the knob.
QImage VolumeStep(int step) {
  QImage bar = NewBitmap(13, 55, Palette::Groove);
  QPainter painter(&bar);
  const int litTop = 52 - 2 * step;  // centre of the knob at this step
  for (int y = 53; y >= 1; y -= 2) {
    const int halfWidth = 1 + (53 - y) * 5 / 52;
    const bool lit = y >= litTop;
    const QColor colour = lit ? LevelColour((53.0 - y) / 52.0) : Palette::DisplayDim;
    painter.fillRect(6 - halfWidth, y, 2 * halfWidth + 1, 1, colour);
  }
  return bar;
}

QImage VolumeSheet() {
  QImage sheet = NewBitmap(13 * BarSteps + 11, 55, Palette::Groove);
  for (int k = 0; k < BarSteps; ++k) Place(sheet, VolumeStep(k), 13 * k, 0);
  Place(sheet, SliderKnob(11, 5, true), 13 * BarSteps, 0);
  Place(sheet, SliderKnob(11, 5, false), 13 * BarSteps, 5);
  return sheet;
}

// A strip of chassis with a sunken groove, the base of the horizontal bars.
QImage GrooveBar(int width, int height, const QRect& groove) {
  QImage bar = NewBitmap(width, height, Palette::ChassisBottom);
  QPainter painter(&bar);
  Chassis(painter, bar.rect(), false);
  painter.fillRect(groove, Palette::Groove);
  Bevel(painter, groove.adjusted(-1, -1, 1, 1), Palette::ChassisDark, Palette::ChassisLight);
  return bar;
}

// Balance: sprite 0 is centred, higher sprites lean further to one side; the
// groove warms from mint to amber as the balance leaves the centre.
QImage BalanceStep(int step) {
  QImage bar = GrooveBar(55, 13, QRect(1, 5, 53, 3));
  QPainter painter(&bar);
  painter.fillRect(2, 6, 51, 1, Mix(Palette::DisplayText, Palette::Amber, step / 25.0));
  painter.fillRect(27, 1, 1, 3, Palette::Engraving);
  painter.fillRect(27, 9, 1, 3, Palette::Engraving);
  return bar;
}

QImage BalanceSheet() {
  QImage sheet = NewBitmap(55, 13 * BarSteps + 11, Palette::ChassisBottom);
  for (int k = 0; k < BarSteps; ++k) Place(sheet, BalanceStep(k), 0, 13 * k);
  Place(sheet, SliderKnob(5, 11, true), 0, 13 * BarSteps);
  Place(sheet, SliderKnob(5, 11, false), 5, 13 * BarSteps);
  return sheet;
}

// Position: a groove filled from the left up to the knob's centre.
QImage PositionStep(int step) {
  const QRect groove(2, 5, 180, 5);
  QImage bar = GrooveBar(184, 15, groove);
  QPainter painter(&bar);
  const int filled = step == 0 ? 0 : step * 4 * (184 - 26) / 100 + 13 - groove.left();
  FillVertical(painter, QRect(groove.left(), groove.top() + 1, filled, 3), Palette::DisplayBright, Palette::DisplayText);
  for (int tick = 0; tick <= 10; ++tick) {
    painter.fillRect(13 + tick * 158 / 10, 1, 1, tick % 5 == 0 ? 3 : 2, Palette::Engraving);
  }
  return bar;
}

QImage PositionSheet() {
  QImage sheet = NewBitmap(184, 15 * BarSteps + 9, Palette::ChassisBottom);
  for (int k = 0; k < BarSteps; ++k) Place(sheet, PositionStep(k), 0, 15 * k);
  Place(sheet, SliderKnob(26, 9, false), 0, 15 * BarSteps);
  Place(sheet, SliderKnob(26, 9, true), 26, 15 * BarSteps);
  return sheet;
}

}  // namespace

std::vector<NamedBitmap> BarBitmaps() {
  return {
      {QStringLiteral("VolumeBars.bmp"), VolumeSheet()},
      {QStringLiteral("BalanceBars.bmp"), BalanceSheet()},
      {QStringLiteral("PositionBar.bmp"), PositionSheet()},
  };
}

}  // namespace SkinGen
