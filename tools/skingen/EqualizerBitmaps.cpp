#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "Icons.h"
#include "SkinBitmaps.h"
#include "SkinPainting.h"
#include "SkinPalette.h"
#include "TinyFont.h"
#include "WindowParts.h"
#include "WindowSize.h"

namespace SkinGen {

namespace {

constexpr int ToggleButtonX = 254;
constexpr int BandSteps = 28;      // track sprites, value 0 .. 100
constexpr int BarSprites = 18;     // visual-effects bar heights 0 .. 17
constexpr int LevelSprites = 32;   // level meter steps 0 .. 31
constexpr int RampEntries = 33;

QImage EqualizerTitleBar(bool active) {
  return TitleBar(WindowWidth, TitleHeight, QStringLiteral("EQUALIZER"), active, ToggleButtonX);
}

void DottedLine(QPainter& painter, int x1, int x2, int y, const QColor& colour) {
  for (int x = x1; x <= x2; x += 2) painter.fillRect(x, y, 1, 1, colour);
}

QImage EqualizerBackground() {
  QImage window = WindowFace(EqualizerTitleBar(true));
  QPainter painter(&window);

  // Output level meter, left of the bands.
  DisplayWell(painter, QRect(21, 57, 30, 65));
  DrawCentredTinyText(painter, 27, 124, QStringLiteral("L"), Palette::Engraving);
  DrawCentredTinyText(painter, 44, 124, QStringLiteral("R"), Palette::Engraving);

  // Response diagram / visual-effects panel.
  DisplayWell(painter, QRect(75, 16, 156, 37));
  DrawCentredTinyText(painter, 271, 22, QStringLiteral("EQ"), Palette::Engraving);

  // Bands: a 0 line across all tracks, frequencies below, scale on the right.
  const QString bands[] = {"31", "62", "125", "250", "500", "1K", "2K", "4K", "8K", "16K"};
  for (int band = 0; band < 10; ++band) DrawCentredTinyText(painter, 72 + 18 * band, 124, bands[band], Palette::Engraving);
  DrawCentredTinyText(painter, 271, 124, QStringLiteral("PRE"), Palette::Engraving);
  DottedLine(painter, 62, 262, 90, Palette::ChassisLight);
  DrawCentredTinyText(painter, 253, 59, QStringLiteral("+"), Palette::Engraving);
  DrawCentredTinyText(painter, 253, 88, QStringLiteral("0"), Palette::Engraving);
  DrawCentredTinyText(painter, 253, 117, QStringLiteral("-"), Palette::Engraving);
  return window;
}

// Track sprite k: the groove lit from the flat centre to the knob.
QImage BandTrack(int step) {
  QImage track = NewBitmap(13, 65, Palette::ChassisBottom);
  QPainter painter(&track);
  FillVertical(painter, track.rect(), Palette::ChassisTop.darker(110), Palette::ChassisBottom);
  for (int y = 5; y <= 59; y += 6) {
    const int length = y == 32 - 3 || y == 35 ? 2 : 1;
    painter.fillRect(0, y, length, 1, Palette::Engraving);
    painter.fillRect(13 - length, y, length, 1, Palette::Engraving);
  }
  const QRect groove(5, 2, 3, 61);
  painter.fillRect(groove, Palette::Groove);
  Bevel(painter, groove.adjusted(-1, -1, 1, 1), Palette::ChassisDark, Palette::ChassisLight);
  const int value = step * 100 / (BandSteps - 1);
  const int knobCentre = (100 - value) * 54 / 100 + 5;
  const int top = std::min(knobCentre, 32);
  const int bottom = std::max(knobCentre, 32);
  const QColor colour = knobCentre < 32 ? Palette::Amber : Palette::DisplayText;
  painter.fillRect(6, top, 1, bottom - top + 1, colour);
  painter.fillRect(4, 32, 5, 1, Palette::Engraving);
  return track;
}

QImage DiagramBackground(bool scope) {
  QImage panel = NewBitmap(156, 37, Palette::Display);
  QPainter painter(&panel);
  if (scope) {
    DottedLine(painter, 2, 65, 17, Palette::DisplayDim);
    DottedLine(painter, 90, 153, 17, Palette::DisplayDim);
    for (int y = 1; y < 37; y += 2) painter.fillRect(77, y, 1, 1, Palette::DisplayGrid);
    DrawTinyText(painter, 70, 2, QStringLiteral("L"), Palette::DisplayLabel);
    DrawTinyText(painter, 82, 2, QStringLiteral("R"), Palette::DisplayLabel);
  } else {
    for (const int y : {4, 11, 25, 32}) DottedLine(painter, 1, 154, y, Palette::DisplayGrid);
    DottedLine(painter, 1, 154, 18, Palette::DisplayDim);
    for (int band = 0; band < 10; ++band) {
      for (int y = 1; y < 36; y += 2) painter.fillRect(6 + 16 * band, y, 1, 1, Palette::DisplayGrid);
    }
  }
  return panel;
}

QImage PreAmpLine() {
  QImage line = NewBitmap(152, 1, Palette::Display);
  QPainter painter(&line);
  for (int x = 0; x < 152; x += 4) painter.fillRect(x, 0, 2, 1, Palette::AmberDim.lighter(160));
  return line;
}

QColor SpectrumRamp(int entry) { return LevelColour(entry / 32.0); }
QColor ScopeRamp(int entry) { return LevelColour(std::abs(entry - 16) / 16.0); }

QImage EqMainSheet() {
  QImage sheet = NewBitmap(313, 346, Palette::ChassisDark);
  Place(sheet, EqualizerBackground(), 0, 0);
  Place(sheet, EqualizerTitleBar(true), 0, 131);
  Place(sheet, EqualizerTitleBar(false), 0, 147);
  PlaceTitleButtons(sheet, {Icons::MainMenu(), Icons::Close()}, 0, 163, 9);
  Place(sheet, SliderKnob(11, 11, false), 37, 163);
  Place(sheet, SliderKnob(11, 11, true), 48, 163);
  Place(sheet, ButtonSprite(44, 12, false, Icons::Label(QStringLiteral("PRESETS"), 8)), 196, 175);
  Place(sheet, ButtonSprite(44, 12, true, Icons::Label(QStringLiteral("PRESETS"), 8)), 196, 187);
  for (int state = 0; state < 4; ++state) {
    Place(sheet, LampButton(25, 12, QStringLiteral("ON"), state), 196, 200 + 12 * state);
    Place(sheet, LampButton(33, 12, QStringLiteral("AUTO"), state), 221, 200 + 12 * state);
  }
  for (int k = 0; k < BandSteps; ++k) Place(sheet, BandTrack(k), 14 * (k % 14), k < 14 ? 175 : 241);
  Place(sheet, DiagramBackground(false), 0, 307);
  Place(sheet, DiagramBackground(true), 157, 307);
  Place(sheet, PreAmpLine(), 0, 345);
  // Colour ramps read pixel by pixel; entry 0 is the bottom pixel.
  for (int entry = 0; entry < RampEntries; ++entry) {
    sheet.setPixelColor(196, 303 - entry, SpectrumRamp(entry));
    sheet.setPixelColor(198, 303 - entry, ScopeRamp(entry));
    sheet.setPixelColor(200, 303 - entry, SpectrumRamp(entry));
  }
  return sheet;
}

// A stack of one-pixel segments on the display colour, every second row,
// the lowest at the bottom; the first `lit` of them glow in level colours.
QImage SegmentStack(int width, int height, int segments, int lit, int left, int segmentWidth) {
  QImage stack = NewBitmap(width, height, Palette::Display);
  QPainter painter(&stack);
  for (int segment = 0; segment < segments; ++segment) {
    const QColor colour = segment < lit ? LevelColour(segment / (segments - 1.0)) : Palette::DisplayGrid;
    painter.fillRect(left, height - 1 - 2 * segment, segmentWidth, 1, colour);
  }
  return stack;
}

// Bar of height n: n lit segments of 17, on the panel's own background.
QImage EffectBar(int height) { return SegmentStack(15, 33, BarSprites - 1, height, 2, 11); }

// Level meter step n: n lit segments of 31.
QImage LevelStep(int level) { return SegmentStack(13, 65, LevelSprites - 1, level, 1, 11); }

QImage VisualsSheet() {
  QImage sheet = NewBitmap(13 * LevelSprites, 34 + 65, Palette::Display);
  for (int n = 0; n < BarSprites; ++n) Place(sheet, EffectBar(n), 15 * n, 0);
  for (int n = 0; n < LevelSprites; ++n) Place(sheet, LevelStep(n), 13 * n, 34);
  return sheet;
}

}  // namespace

std::vector<NamedBitmap> EqualizerBitmaps() {
  return {{QStringLiteral("eqmain.bmp"), EqMainSheet()}, {QStringLiteral("visuals.bmp"), VisualsSheet()}};
}

}  // namespace SkinGen
