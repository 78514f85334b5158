#include <QPainter>
#include <functional>

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

// Bar sprites every `pitch` pixels, then the knob's sprite 0 at knobAt and
// sprite 1 one knob further along knobPitch.
QImage BarSheet(const std::function<QImage(int)>& step, QPoint pitch, QSize knob, QPoint knobAt, QPoint knobPitch,
                bool pressedFirst) {
  const QImage first = step(0);
  const QPoint secondKnob = knobAt + QPoint(knobPitch.x() * knob.width(), knobPitch.y() * knob.height());
  const QRect extent = QRect(QPoint(0, 0), first.size() + QSize(pitch.x(), pitch.y()) * (BarSteps - 1))
                           .united(QRect(secondKnob, knob))
                           .united(QRect(knobAt, knob));
  QImage sheet = NewBitmap(extent.width(), extent.height(), first.pixelColor(0, 0));
  for (int k = 0; k < BarSteps; ++k) Place(sheet, step(k), pitch.x() * k, pitch.y() * k);
  Place(sheet, SliderKnob(knob.width(), knob.height(), pressedFirst), knobAt.x(), knobAt.y());
  Place(sheet, SliderKnob(knob.width(), knob.height(), !pressedFirst), secondKnob.x(), secondKnob.y());
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


}  // namespace

std::vector<NamedBitmap> BarBitmaps() {
  // The volume and balance knobs show sprite 1 at rest and 0 while pressed;
  // the position knob the other way round.
  return {
      {QStringLiteral("VolumeBars.bmp"), BarSheet(VolumeStep, {13, 0}, {11, 5}, {13 * BarSteps, 0}, {0, 1}, true)},
      {QStringLiteral("BalanceBars.bmp"), BarSheet(BalanceStep, {0, 13}, {5, 11}, {0, 13 * BarSteps}, {1, 0}, true)},
      {QStringLiteral("PositionBar.bmp"), BarSheet(PositionStep, {0, 15}, {26, 9}, {0, 15 * BarSteps}, {1, 0}, false)},
  };
}

}  // namespace SkinGen
