#include <QPainter>

#include "Icons.h"
#include "SkinBitmaps.h"
#include "SkinFonts.h"
#include "SkinPainting.h"
#include "SkinPalette.h"
#include "TinyFont.h"
#include "WindowParts.h"
#include "WindowSize.h"

namespace SkinGen {

namespace {

constexpr int DeckToggleButtonX = 253;

QImage DeckTitleBar(bool active) {
  return TitleBar(WindowWidth, TitleHeight, QStringLiteral("SOLVANE AUDIO PLAYER"), active, DeckToggleButtonX);
}

QImage DeckBackground() {
  QImage deck = WindowFace(DeckTitleBar(true));
  QPainter painter(&deck);

  DrawEmblem(painter, QRect(3, 82, 50, 45));

  // The display: two text lines, status and times, channel lamps and rates.
  DisplayWell(painter, QRect(56, 16, 194, 55));
  DrawCellText(painter, 193, 43, QStringLiteral("/"));
  DrawTinyText(painter, 153, 62, QStringLiteral("KBPS"), Palette::DisplayLabel);
  DrawTinyText(painter, 234, 62, QStringLiteral("HZ"), Palette::DisplayLabel);

  // The transport buttons sit on one recessed plate.
  const QRect transport(56, 107, 188, 22);
  painter.fillRect(transport, Palette::Groove);
  Bevel(painter, transport, Palette::ChassisDark, Palette::ChassisLight);

  // Volume: a vertical slot with a scale on both sides.
  DrawCentredTinyText(painter, 271, 20, QStringLiteral("VOL"), Palette::Engraving);
  const QRect volumeSlot(264, 28, 15, 57);
  painter.fillRect(volumeSlot, Palette::Groove);
  Bevel(painter, volumeSlot, Palette::ChassisDark, Palette::ChassisLight);
  for (int tick = 0; tick <= 10; ++tick) {
    const int y = 31 + tick * 5;
    const int length = tick % 5 == 0 ? 4 : 2;
    painter.fillRect(262 - length, y, length, 1, Palette::Engraving);
    painter.fillRect(281, y, length, 1, Palette::Engraving);
  }

  DrawCentredTinyText(painter, 271, 89, QStringLiteral("BAL"), Palette::Engraving);
  DrawTinyText(painter, 247, 89, QStringLiteral("L"), Palette::Engraving);
  DrawTinyText(painter, 293, 89, QStringLiteral("R"), Palette::Engraving);

  // Speaker grille under the balance bar.
  for (int slot = 0; slot < 4; ++slot) {
    const QRect grille(249, 114 + slot * 4, 46, 2);
    painter.fillRect(grille, Palette::ChassisDark);
    painter.fillRect(grille.left(), grille.bottom() + 1, grille.width(), 1, Palette::ChassisLight.darker(140));
  }
  return deck;
}

QImage DeckMainSheet() {
  // Background, then the two title bars and the title-bar buttons, each strip
  // one blank row below the previous.
  QImage sheet = NewBitmap(WindowWidth, WindowHeight + 2 * (TitleHeight + 1) + 1 + 9, Palette::ChassisDark);
  Place(sheet, DeckBackground(), 0, 0);
  Place(sheet, DeckTitleBar(true), 0, WindowHeight + 1);
  Place(sheet, DeckTitleBar(false), 0, WindowHeight + TitleHeight + 2);
  const int buttonRow = WindowHeight + 2 * (TitleHeight + 1) + 1;
  PlaceTitleButtons(sheet, {Icons::MainMenu(), Icons::Minimize(), Icons::Close()}, 0, buttonRow, 9);
  return sheet;
}

QImage PlayButtonsSheet() {
  const IconPainter icons[] = {Icons::Previous(), Icons::Play(), Icons::Pause(),
                               Icons::Stop(),     Icons::Next(), Icons::Eject()};
  QImage sheet = NewBitmap(6 * 30, 40, Palette::ChassisBottom);
  for (int k = 0; k < 6; ++k) {
    Place(sheet, ButtonSprite(30, 20, false, icons[k]), 30 * k, 0);
    Place(sheet, ButtonSprite(30, 20, true, icons[k]), 30 * k, 20);
  }
  return sheet;
}

// Two columns of four-state lamp buttons, 55 x 16 each.
QImage LampButtonColumns(const QString& first, const QString& second) {
  QImage sheet = NewBitmap(110, 64, Palette::ChassisBottom);
  for (int state = 0; state < 4; ++state) {
    Place(sheet, LampButton(55, 16, first, state), 0, 16 * state);
    Place(sheet, LampButton(55, 16, second, state), 55, 16 * state);
  }
  return sheet;
}

// A file-type lamp: the kind's name on a small display, amber when lit.
QImage FileTypeLamp(const QString& label, int state) {
  const bool lit = state >= 2;
  const bool pressed = state == 1 || state == 3;
  QImage lamp = NewBitmap(60, 16, Palette::ChassisBottom);
  QPainter painter(&lamp);
  const QRect face(1, 1, 58, 14);
  if (lit) {
    FillVertical(painter, face, Mix(Palette::AmberDim, Palette::Amber, 0.25), Palette::AmberDim);
  } else {
    painter.fillRect(face, Palette::Display);
  }
  Bevel(painter, lamp.rect(), Palette::ChassisDark, Palette::ChassisLight);
  const QRectF labelArea = QRectF(face).translated(pressed ? 1 : 0, pressed ? 1 : 0);
  DrawFittedLabel(painter, labelArea, label, lit ? Palette::AmberBright : Palette::DisplayDim.lighter(150), 10);
  return lamp;
}

QImage FileTypeSheet() {
  QImage sheet = NewBitmap(180, 64, Palette::ChassisBottom);
  const QString labels[] = {QStringLiteral("MP3"), QStringLiteral("MOD"), QStringLiteral("CD")};
  for (int column = 0; column < 3; ++column) {
    for (int state = 0; state < 4; ++state) Place(sheet, FileTypeLamp(labels[column], state), 60 * column, 16 * state);
  }
  return sheet;
}

QImage ChannelLamp(const QString& label, bool lit) {
  QImage lamp = NewBitmap(32, 13, Palette::Display);
  QPainter painter(&lamp);
  const QColor colour = lit ? Palette::DisplayBright : Mix(Palette::DisplayDim, Palette::DisplayLabel, 0.3);
  DrawTinyText(painter, (32 - TinyTextWidth(label)) / 2, 4, label, colour);
  if (lit) painter.fillRect(2, 11, 28, 1, Palette::DisplayLabel);
  return lamp;
}

QImage MonoStereoSheet() {
  QImage sheet = NewBitmap(64, 26, Palette::Display);
  Place(sheet, ChannelLamp(QStringLiteral("STEREO"), true), 0, 0);
  Place(sheet, ChannelLamp(QStringLiteral("STEREO"), false), 0, 13);
  Place(sheet, ChannelLamp(QStringLiteral("MONO"), true), 32, 0);
  Place(sheet, ChannelLamp(QStringLiteral("MONO"), false), 32, 13);
  return sheet;
}

}  // namespace

// Play-state symbols (playing, paused, stopped, spare) and the two
// transmission strips (sending, idle), all on the display colour.
QImage PlayPauseSheet() {
  QImage sheet = NewBitmap(42, 9, Palette::Display);
  QPainter painter(&sheet);
  FillPolygon(painter, QPolygonF({QPointF(2, 1), QPointF(8, 4.5), QPointF(2, 8)}), Palette::DisplayBright);
  painter.fillRect(9 + 2, 1, 2, 7, Palette::Amber);
  painter.fillRect(9 + 5, 1, 2, 7, Palette::Amber);
  painter.fillRect(18 + 2, 2, 5, 5, Palette::DisplayDim.lighter(170));
  painter.fillRect(27 + 3, 3, 3, 3, Palette::DisplayDim);
  for (int row = 0; row < 9; row += 2) {
    painter.fillRect(36, row, 2, 1, Palette::DisplayText);
    painter.fillRect(39, row, 2, 1, Palette::DisplayDim);
  }
  return sheet;
}

// The rolled-up deck (older builds never read it): a title bar with the
// title bar's buttons and a well for the time right of the caption; the
// active strip above the inactive one.
QImage DeckShade(bool active) {
  QImage strip = TitleBar(WindowWidth, 14, QStringLiteral("SOLVANE"), active, -1);
  QPainter painter(&strip);
  DisplayWell(painter, QRect(200, 0, 50, 14));
  painter.end();
  Place(strip, TitleButton(Icons::MainMenu(), false), 3, 3);
  Place(strip, TitleButton(Icons::ToggleSize(), false), DeckToggleButtonX, 3);
  Place(strip, TitleButton(Icons::Minimize(), false), 276, 3);
  Place(strip, TitleButton(Icons::Close(), false), 288, 3);
  return strip;
}

QImage DeckShadeSheet() {
  QImage sheet = NewBitmap(WindowWidth, 29, Palette::ChassisDark);
  Place(sheet, DeckShade(true), 0, 0);
  Place(sheet, DeckShade(false), 0, 15);
  return sheet;
}

std::vector<NamedBitmap> DeckBitmaps() {
  return {
      {QStringLiteral("DeckMain.bmp"), DeckMainSheet()},
      {QStringLiteral("PlayButtons.bmp"), PlayButtonsSheet()},
      {QStringLiteral("ShuffleRepeat.bmp"), LampButtonColumns(QStringLiteral("REPEAT"), QStringLiteral("SHUFFLE"))},
      {QStringLiteral("EQPLButtons.bmp"), LampButtonColumns(QStringLiteral("EQUALIZER"), QStringLiteral("PLAYLIST"))},
      {QStringLiteral("MP3MODCD.bmp"), FileTypeSheet()},
      {QStringLiteral("MonoStereo.bmp"), MonoStereoSheet()},
      {QStringLiteral("playpaus.bmp"), PlayPauseSheet()},
      {QStringLiteral("DeckShade.bmp"), DeckShadeSheet()},
  };
}

}  // namespace SkinGen
