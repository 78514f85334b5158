// The base skin in the Winamp 2 layout: our own art, drawn with the default
// skin's parts, placed exactly where a Winamp skin keeps each sprite. Winamp
// skins that lack a file take it from here.
#include <QPainter>

#include <functional>

#include "Icons.h"
#include "SkinBitmaps.h"
#include "SkinPainting.h"
#include "SkinPalette.h"
#include "TinyFont.h"
#include "WindowParts.h"

namespace SkinGen {

namespace {

constexpr int Width = 275;
constexpr int Height = 116;
constexpr int SliderSteps = 28;

QImage Sheet(int width, int height) { return NewBitmap(width, height, Palette::ChassisDark); }

QImage Face(int width, int height) {
  QImage face = NewBitmap(width, height, Palette::ChassisBottom);
  QPainter painter(&face);
  Chassis(painter, face.rect(), true);
  return face;
}

QImage MainBackground() {
  QImage deck = Face(Width, Height);
  QPainter painter(&deck);
  DisplayWell(painter, QRect(9, 21, 98, 42));    // time, play state and visualization
  DisplayWell(painter, QRect(109, 24, 160, 12));  // scrolling song title
  DisplayWell(painter, QRect(109, 41, 19, 10));   // kbps
  DisplayWell(painter, QRect(154, 41, 14, 10));   // kHz
  DrawTinyText(painter, 130, 44, QStringLiteral("KBPS"), Palette::Engraving);
  DrawTinyText(painter, 170, 44, QStringLiteral("KHZ"), Palette::Engraving);
  const QRect transport(14, 86, 119, 22);
  painter.fillRect(transport, Palette::Groove);
  Bevel(painter, transport, Palette::ChassisDark, Palette::ChassisLight);
  // Winamp's digits have no colon; the background carries it.
  painter.fillRect(70, 30, 2, 2, Palette::DisplayText);
  painter.fillRect(70, 35, 2, 2, Palette::DisplayText);
  return deck;
}

QImage MainTitle(bool active) { return TitleBar(274, 14, QStringLiteral("SOLVANE AUDIO PLAYER"), active, -1); }

QImage TitleBarSheet() {
  QImage sheet = Sheet(344, 87);
  Place(sheet, MainTitle(true), 27, 0);
  Place(sheet, MainTitle(false), 27, 15);
  // Each button released with its pressed look below it; the size toggle's two looks side by side.
  const IconPainter icons[] = {Icons::MainMenu(), Icons::Minimize(), Icons::Close()};
  for (int k = 0; k < 3; ++k) {
    Place(sheet, TitleButton(icons[k], false), 9 * k, 0);
    Place(sheet, TitleButton(icons[k], true), 9 * k, 9);
  }
  Place(sheet, TitleButton(Icons::ToggleSize(), false), 0, 18);
  Place(sheet, TitleButton(Icons::ToggleSize(), true), 9, 18);
  return sheet;
}

QImage TransportSheet() {
  const IconPainter icons[] = {Icons::Previous(), Icons::Play(), Icons::Pause(), Icons::Stop(), Icons::Next()};
  QImage sheet = Sheet(136, 36);
  for (int k = 0; k < 5; ++k) {
    Place(sheet, ButtonSprite(23, 18, false, icons[k]), 23 * k, 0);
    Place(sheet, ButtonSprite(23, 18, true, icons[k]), 23 * k, 18);
  }
  Place(sheet, ButtonSprite(20, 16, false, Icons::Eject()), 115, 0);
  Place(sheet, ButtonSprite(20, 16, true, Icons::Eject()), 115, 16);
  return sheet;
}

// States in skin order: off, off pressed, on, on pressed.
QImage ShuffleRepeatSheet() {
  QImage sheet = Sheet(92, 85);
  for (int state = 0; state < 4; ++state) {
    Place(sheet, LampButton(28, 15, QStringLiteral("REP"), state), 0, 15 * state);
    Place(sheet, LampButton(47, 15, QStringLiteral("SHUFFLE"), state), 28, 15 * state);
  }
  const int offOn[] = {0, 2};
  for (int row = 0; row < 2; ++row) {
    for (int pressed = 0; pressed < 2; ++pressed) {
      const int state = offOn[row] + pressed;
      const int x = 46 * pressed;
      Place(sheet, LampButton(23, 12, QStringLiteral("EQ"), state), x, 61 + 12 * row);
      Place(sheet, LampButton(23, 12, QStringLiteral("PL"), state), x + 23, 61 + 12 * row);
    }
  }
  return sheet;
}

// A groove lit up to a fraction, the base of the volume and balance strips.
QImage SliderStrip(int width, double lit, const QColor& colour) {
  QImage strip = NewBitmap(width, 13, Palette::ChassisBottom);
  QPainter painter(&strip);
  const QRect groove(1, 4, width - 2, 5);
  painter.fillRect(groove, Palette::Groove);
  Bevel(painter, groove, Palette::ChassisDark, Palette::ChassisLight);
  painter.fillRect(2, 6, int((width - 4) * lit), 1, colour);
  return strip;
}

// Strips every 15 pixels from x, then the knob pressed at 0,422 and released at 15,422.
QImage SliderSheet(int width, int stripX, const std::function<QImage(int)>& strip) {
  QImage sheet = Sheet(width, 433);
  for (int k = 0; k < SliderSteps; ++k) Place(sheet, strip(k), stripX, 15 * k);
  Place(sheet, SliderKnob(14, 11, true), 0, 422);
  Place(sheet, SliderKnob(14, 11, false), 15, 422);
  return sheet;
}

QImage VolumeSheet() {
  return SliderSheet(68, 0, [](int k) {
    const double level = k / double(SliderSteps - 1);
    return SliderStrip(68, level, LevelColour(level));
  });
}

QImage BalanceSheet() {
  return SliderSheet(47, 9, [](int k) {
    const double lean = k / double(SliderSteps - 1);
    return SliderStrip(38, 1.0, Mix(Palette::DisplayText, Palette::Amber, lean));
  });
}

QImage PositionSheet() {
  QImage sheet = Sheet(307, 10);
  QImage bar = NewBitmap(248, 10, Palette::ChassisBottom);
  {
    QPainter painter(&bar);
    const QRect groove(0, 2, 248, 6);
    painter.fillRect(groove, Palette::Groove);
    Bevel(painter, groove, Palette::ChassisDark, Palette::ChassisLight);
  }
  Place(sheet, bar, 0, 0);
  Place(sheet, SliderKnob(29, 10, false), 248, 0);
  Place(sheet, SliderKnob(29, 10, true), 278, 0);
  return sheet;
}

QImage ChannelLamp(int width, const QString& label, bool lit) {
  QImage lamp = NewBitmap(width, 12, Palette::ChassisBottom);
  QPainter painter(&lamp);
  const QColor colour = lit ? Palette::DisplayBright : Palette::DisplayDim.lighter(150);
  DrawTinyText(painter, (width - TinyTextWidth(label)) / 2, 4, label, colour);
  return lamp;
}

QImage MonoStereoSheet() {
  QImage sheet = Sheet(56, 24);
  Place(sheet, ChannelLamp(29, QStringLiteral("STEREO"), true), 0, 0);
  Place(sheet, ChannelLamp(29, QStringLiteral("STEREO"), false), 0, 12);
  Place(sheet, ChannelLamp(27, QStringLiteral("MONO"), true), 29, 0);
  Place(sheet, ChannelLamp(27, QStringLiteral("MONO"), false), 29, 12);
  return sheet;
}

// Three rows of 31 cells of 5 x 6 in the Winamp character order; an at sign
// spans cells 27 and 28, cells without a glyph of the tiny font stay blank.
QImage TextSheet() {
  static const QString rows[] = {
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\"@   "),
      QStringLiteral("0123456789 .:()-'! +\\/[]^&%,=$#"),
      QStringLiteral("    *                          "),
  };
  QImage sheet = NewBitmap(155, 18, Palette::Display);
  QPainter painter(&sheet);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 31; ++column) {
      const QString glyph(rows[row][column]);
      DrawTinyText(painter, 5 * column + (5 - TinyTextWidth(glyph)) / 2, 6 * row, glyph, Palette::DisplayText);
    }
  }
  return sheet;
}

// Digits 0-9 in 9 x 13 cells, then a blank cell.
QImage NumbersSheet() {
  QImage sheet = NewBitmap(99, 13, Palette::Display);
  QPainter painter(&sheet);
  const QImage digits = TextBitmaps()[1].image;  // the default skin's 8 x 13 digits
  for (int digit = 0; digit <= 9; ++digit) painter.drawImage(9 * digit, 0, digits.copy(8 * digit, 0, 8, 13));
  return sheet;
}

QImage EqualizerBackground() {
  QImage eq = Face(Width, Height);
  QPainter painter(&eq);
  DisplayWell(painter, QRect(85, 16, 115, 21));
  DrawTinyText(painter, 16, 104, QStringLiteral("PREAMP"), Palette::Engraving);
  DrawTinyText(painter, 44, 40, QStringLiteral("+12DB"), Palette::Engraving);
  DrawTinyText(painter, 50, 67, QStringLiteral("0DB"), Palette::Engraving);
  DrawTinyText(painter, 44, 94, QStringLiteral("-12DB"), Palette::Engraving);
  static const char* bands[] = {"60", "170", "310", "600", "1K", "3K", "6K", "12K", "14K", "16K"};
  for (int band = 0; band < 10; ++band)
    DrawCentredTinyText(painter, 85 + 18 * band, 104, QString::fromLatin1(bands[band]), Palette::Engraving);
  return eq;
}

// Slider background k of 28: a vertical groove whose fill follows the band's level.
QImage BandBackground(int k) {
  QImage band = NewBitmap(14, 63, Palette::ChassisBottom);
  QPainter painter(&band);
  const QRect groove(5, 1, 4, 61);
  painter.fillRect(groove, Palette::Groove);
  Bevel(painter, groove, Palette::ChassisDark, Palette::ChassisLight);
  const int top = 61 - k * 2;
  painter.fillRect(6, top, 2, 61 - top, LevelColour(k / double(SliderSteps - 1)));
  return band;
}

QImage EqualizerSheet() {
  QImage sheet = Sheet(275, 315);
  Place(sheet, EqualizerBackground(), 0, 0);
  Place(sheet, TitleButton(Icons::Close(), false), 0, 116);
  Place(sheet, TitleButton(Icons::Close(), true), 0, 125);
  const int onX[] = {10, 128, 69, 187};
  const int autoX[] = {35, 153, 94, 212};
  for (int state = 0; state < 4; ++state) {
    Place(sheet, LampButton(25, 12, QStringLiteral("ON"), state), onX[state], 119);
    Place(sheet, LampButton(33, 12, QStringLiteral("AUTO"), state), autoX[state], 119);
  }
  Place(sheet, TitleBar(275, 14, QStringLiteral("EQUALIZER"), true, 254), 0, 134);
  Place(sheet, TitleBar(275, 14, QStringLiteral("EQUALIZER"), false, 254), 0, 149);
  Place(sheet, SliderKnob(11, 11, false), 0, 164);
  Place(sheet, SliderKnob(11, 11, true), 0, 176);
  for (int k = 0; k < 14; ++k) {
    Place(sheet, BandBackground(k), 13 + 15 * k, 164);
    Place(sheet, BandBackground(14 + k), 13 + 15 * k, 229);
  }
  Place(sheet, ButtonSprite(44, 12, false, Icons::Label(QStringLiteral("PRESETS"), 8)), 224, 164);
  Place(sheet, ButtonSprite(44, 12, true, Icons::Label(QStringLiteral("PRESETS"), 8)), 224, 176);
  QImage diagram = NewBitmap(113, 19, Palette::Display);
  {
    QPainter painter(&diagram);
    for (int y = 0; y < 19; y += 9) painter.fillRect(0, y, 113, 1, Palette::DisplayGrid);
  }
  Place(sheet, diagram, 0, 294);
  Place(sheet, NewBitmap(113, 1, Palette::DisplayLabel), 0, 314);
  return sheet;
}

// A playlist title-bar piece, 25 or 100 pixels wide, 20 high.
QImage PlaylistTitle(int width, const QString& caption, bool active) {
  return TitleStrip(width, 20, {caption, 2, width - 3, -1, false, false}, active);
}

QImage PlaylistEdge() {
  QImage edge = NewBitmap(25, 29, Palette::ChassisBottom);
  QPainter painter(&edge);
  Chassis(painter, edge.rect(), false);
  return edge;
}

// A bottom part with its toggle buttons drawn at the given x (y 8) and, for the
// right part, the well of the text window.
QImage PlaylistBottom(int width, const std::vector<std::pair<int, QString>>& toggles, bool textWell) {
  QImage bottom = Face(width, 38);
  for (const auto& [x, label] : toggles) Place(bottom, ButtonSprite(22, 18, false, Icons::Label(label, 8)), x, 8);
  if (textWell) {
    QPainter painter(&bottom);
    DisplayWell(painter, QRect(4, 9, 94, 9));
    for (int line = 0; line < 3; ++line) painter.fillRect(width - 4 - 3 * line, 34, 3 * line + 1, 1, Palette::Engraving);
  }
  return bottom;
}

QImage PlaylistSheet() {
  QImage sheet = Sheet(280, 186);
  for (int row = 0; row < 2; ++row) {
    const bool active = row == 0;
    const int y = 21 * row;
    Place(sheet, PlaylistTitle(25, QString(), active), 0, y);
    Place(sheet, PlaylistTitle(100, QStringLiteral("PLAYLIST"), active), 26, y);
    Place(sheet, PlaylistTitle(25, QString(), active), 127, y);
    QImage right = PlaylistTitle(25, QString(), active);
    Place(right, TitleButton(Icons::ToggleSize(), false), 4, 3);
    Place(right, TitleButton(Icons::Close(), false), 14, 3);
    Place(sheet, right, 153, y);
  }
  Place(sheet, Face(25, 38), 179, 0);
  Place(sheet, Face(75, 38), 205, 0);
  Place(sheet, PlaylistEdge(), 0, 42);
  Place(sheet, PlaylistEdge(), 26, 42);
  Place(sheet, TitleButton(Icons::Close(), true), 52, 42);
  Place(sheet, SliderKnob(8, 18, false), 52, 53);
  Place(sheet, SliderKnob(8, 18, true), 61, 53);
  Place(sheet,
        PlaylistBottom(125, {{14, QStringLiteral("ADD")}, {43, QStringLiteral("REM")}, {72, QStringLiteral("SEL")},
                             {101, QStringLiteral("MISC")}},
                       false),
        0, 72);
  Place(sheet, PlaylistBottom(150, {{106, QStringLiteral("LIST")}}, true), 126, 72);

  static const char* menus[5][4] = {{"URL", "DIR", "FILE", nullptr},
                                    {"ALL", "CROP", "SEL", "MISC"},
                                    {"INV", "NONE", "ALL", nullptr},
                                    {"SORT", "INFO", "OPTS", nullptr},
                                    {"NEW", "SAVE", "LOAD", nullptr}};
  const int columns[] = {0, 54, 104, 154, 204};
  const int sideBars[] = {48, 100, 150, 200, 250};
  for (int menu = 0; menu < 5; ++menu) {
    for (int row = 0; row < 4 && menus[menu][row]; ++row) {
      const IconPainter label = Icons::Label(QString::fromLatin1(menus[menu][row]), 8);
      Place(sheet, ButtonSprite(22, 18, false, label), columns[menu], 111 + 19 * row);
      Place(sheet, ButtonSprite(22, 18, true, label), columns[menu] + 23, 111 + 19 * row);
    }
    Place(sheet, NewBitmap(3, menu == 0 ? 54 : 72, Palette::Amber), sideBars[menu], 111);
  }
  return sheet;
}

}  // namespace

std::vector<NamedBitmap> WinampBitmaps() {
  return {
      {QStringLiteral("main.bmp"), MainBackground()},
      {QStringLiteral("cbuttons.bmp"), TransportSheet()},
      {QStringLiteral("titlebar.bmp"), TitleBarSheet()},
      {QStringLiteral("shufrep.bmp"), ShuffleRepeatSheet()},
      {QStringLiteral("volume.bmp"), VolumeSheet()},
      {QStringLiteral("balance.bmp"), BalanceSheet()},
      {QStringLiteral("posbar.bmp"), PositionSheet()},
      {QStringLiteral("monoster.bmp"), MonoStereoSheet()},
      {QStringLiteral("playpaus.bmp"), PlayPauseSheet()},
      {QStringLiteral("text.bmp"), TextSheet()},
      {QStringLiteral("numbers.bmp"), NumbersSheet()},
      {QStringLiteral("eqmain.bmp"), EqualizerSheet()},
      {QStringLiteral("pledit.bmp"), PlaylistSheet()},
  };
}

}  // namespace SkinGen
