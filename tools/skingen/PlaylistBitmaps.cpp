#include <QPainter>

#include "Icons.h"
#include "SkinBitmaps.h"
#include "SkinPainting.h"
#include "SkinPalette.h"
#include "TinyFont.h"
#include "WindowParts.h"

namespace SkinGen {

namespace {

constexpr int TitleHeight = 20;
constexpr int TileWidth = 25;
constexpr int SideHeight = 29;
constexpr int BottomHeight = 38;
constexpr int MenuButtonWidth = 28;
constexpr int MenuButtonHeight = 20;

// Sides and bottom are flat across so that their tiles join seamlessly.
const QColor& FrameColour() {
  static const QColor colour = Mix(Palette::ChassisTop, Palette::ChassisBottom, 0.5);
  return colour;
}

QImage SideTile(bool right) {
  QImage tile = NewBitmap(TileWidth, SideHeight, FrameColour());
  QPainter painter(&tile);
  if (right) {
    painter.fillRect(5, 0, 1, SideHeight, Palette::ChassisLight);  // list edge
    painter.fillRect(9, 0, 10, SideHeight, Palette::ChassisDark);  // scroll track
    painter.fillRect(10, 0, 8, SideHeight, Palette::Groove);
    painter.fillRect(18, 0, 1, SideHeight, Palette::ChassisLight);
    painter.fillRect(24, 0, 1, SideHeight, Palette::ChassisDark);
  } else {
    painter.fillRect(0, 0, 1, SideHeight, Palette::ChassisLight);
    painter.fillRect(11, 0, 1, SideHeight, Palette::ChassisDark);  // list edge
  }
  return tile;
}

QImage BottomTile(int width, bool leftEdge, bool rightEdge) {
  QImage tile = NewBitmap(width, BottomHeight, FrameColour());
  QPainter painter(&tile);
  FillVertical(painter, QRect(0, 1, width, BottomHeight - 1), FrameColour(), Palette::ChassisBottom);
  painter.fillRect(0, 0, width, 1, Palette::ChassisLight);
  painter.fillRect(0, BottomHeight - 1, width, 1, Palette::ChassisDark);
  if (leftEdge) painter.fillRect(0, 0, 1, BottomHeight, Palette::ChassisLight);
  if (rightEdge) painter.fillRect(width - 1, 0, 1, BottomHeight, Palette::ChassisDark);
  return tile;
}

// Recess behind a row of menu toggle buttons.
void ToggleRecess(QPainter& painter, int left, int width) {
  const QRect recess(left, 7, width, 22);
  painter.fillRect(recess, Palette::Groove);
  Bevel(painter, recess, Palette::ChassisDark, Palette::ChassisLight);
}

QImage BottomLeft() {
  QImage image = BottomTile(125, true, false);
  QPainter painter(&image);
  ToggleRecess(painter, 0, 125);
  return image;
}

QImage BottomRight() {
  QImage image = BottomTile(150, false, true);
  QPainter painter(&image);
  DisplayWell(painter, QRect(0, 11, 120, 13));
  ToggleRecess(painter, 120, 30);
  // Resize grip in the bottom-right corner.
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j <= i; ++j) {
      painter.fillRect(145 - 3 * j, 30 + 3 * i, 2, 2, Palette::ChassisDark);
      painter.fillRect(145 - 3 * j, 30 + 3 * i, 1, 1, Palette::Engraving);
    }
  }
  return image;
}

// The playlist's info area reaches 24 pixels into this tile from the right:
// the name sits in the middle of what stays in view.
QImage BottomExtraWide() {
  QImage image = BottomTile(75, false, false);
  QPainter painter(&image);
  const QString name = QStringLiteral("SOLVANE");
  constexpr int kShown = 75 - 24;
  DrawTinyText(painter, (kShown - TinyTextWidth(name)) / 2, 17, name, Palette::ChassisDark);
  DrawTinyText(painter, (kShown - TinyTextWidth(name)) / 2, 16, name, Palette::Engraving);
  return image;
}

QImage MenuSideBar(int height) {
  QImage bar = NewBitmap(3, height, Palette::ChassisDark);
  QPainter painter(&bar);
  painter.fillRect(1, 1, 1, height - 2, Palette::Amber);
  return bar;
}

// A menu toggle: its label and a small arrow showing that it opens upwards.
QImage MenuToggle(const QString& label) {
  return ButtonSprite(MenuButtonWidth, MenuButtonHeight, false,
                      [label](QPainter& painter, const QRectF& area, const QColor& colour) {
                        DrawFittedLabel(painter, area.adjusted(0, 0, -5, 0), label, colour, 9);
                        const double x = area.right() - 5;
                        const double y = area.center().y();
                        FillPolygon(painter, QPolygonF({QPointF(x, y + 1.5), QPointF(x + 2.5, y - 1.5), QPointF(x + 5, y + 1.5)}),
                                    colour == Palette::IconShadow ? colour : Palette::Amber);
                      });
}

struct Menu {
  const char* toggle;
  std::vector<const char*> buttons;
};

const std::vector<Menu>& Menus() {
  static const std::vector<Menu> menus{
      {"ADD", {"URL", "DIR", "FILE"}},
      {"REM", {"CLEAR", "CROP", "DEL", "MISC"}},
      {"SEL", {"INV", "NONE", "ALL"}},
      {"MISC", {"SORT", "INFO", "VIEW"}},
      {"LIST", {"NEW", "SAVE", "LOAD"}},
  };
  return menus;
}

QImage PlaylistSheet() {
  QImage sheet = NewBitmap(309, 215, Palette::ChassisDark);
  for (int inactive = 0; inactive < 2; ++inactive) {
    const bool active = inactive == 0;
    const int y = (TitleHeight + 1) * inactive;
    Place(sheet, TitleStrip(TileWidth, TitleHeight, {QString(), 14, TileWidth, -1, true, false}, active), 0, y);
    Place(sheet, TitleStrip(100, TitleHeight, {QStringLiteral("PLAYLIST"), 0, 100, -1, false, false}, active), 26, y);
    Place(sheet, TitleStrip(TileWidth, TitleHeight, {QString(), 0, TileWidth, -1, false, false}, active), 127, y);
    Place(sheet, TitleStrip(TileWidth, TitleHeight, {QString(), 0, 3, 4, false, true}, active), 153, y);
  }
  Place(sheet, BottomTile(TileWidth, false, false), 179, 0);
  Place(sheet, BottomExtraWide(), 205, 0);
  Place(sheet, SideTile(false), 0, 42);
  Place(sheet, SideTile(true), 26, 42);
  PlaceTitleButtons(sheet, {Icons::MainMenu(), Icons::Close()}, 52, 42, 10);
  Place(sheet, SliderKnob(8, 18, false), 52, 53);
  Place(sheet, SliderKnob(8, 18, true), 61, 53);
  Place(sheet, BottomLeft(), 0, 72);
  Place(sheet, BottomRight(), 126, 72);

  // Menu column n: side bar, buttons (released, pressed) one row below the
  // other, and the toggle button right below the last one.
  const auto& menus = Menus();
  for (int n = 0; n < static_cast<int>(menus.size()); ++n) {
    const int left = 62 * n;
    const int rows = static_cast<int>(menus[n].buttons.size());
    Place(sheet, MenuSideBar(rows * MenuButtonHeight), left, 111);
    for (int row = 0; row < rows; ++row) {
      const IconPainter label = Icons::Label(QString::fromLatin1(menus[n].buttons[row]), 9);
      const int y = 111 + 21 * row;
      Place(sheet, ButtonSprite(MenuButtonWidth, MenuButtonHeight, false, label), left + 4, y);
      Place(sheet, ButtonSprite(MenuButtonWidth, MenuButtonHeight, true, label), left + 33, y);
    }
    Place(sheet, MenuToggle(QString::fromLatin1(menus[n].toggle)), left + 4, 111 + 21 * rows);
  }
  return sheet;
}

}  // namespace

std::vector<NamedBitmap> PlaylistBitmaps() { return {{QStringLiteral("Playlist.bmp"), PlaylistSheet()}}; }

}  // namespace SkinGen
