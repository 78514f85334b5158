#pragma once
// The playlist editor's frame, tiled at run time from a few skin sprites so
// that the window can take any size in 25-pixel steps, and the size steps of
// a drag on its bottom-right corner.
#include <QPoint>
#include <QSize>

#include <vector>

struct PlayListSkinControls;

namespace PlayListFrame {

// The size step of the frame's tiles.
constexpr int kSizeStep = 25;

struct FrameTiles {
  int HorizontalTiles = 0;  // title-bar tiles on each side of the main image, less one
  int VerticalTiles = 0;    // side tiles below the top one, less one
};

FrameTiles CalculatePLMultipliers(const PlayListSkinControls& controls);

// Left edges of the title bar's pieces on a canvas: the horizontal tiles, then
// the main image between them.
struct TitleBarPlan {
  std::vector<int> TileLefts;
  int MainLeft = 0;
};
TitleBarPlan PlanTitleBar(int horizontalTiles, int tileWidth, int mainWidth);

// The bottom bar's middle pieces for a canvas `canvasWidth` wide: which extra
// image (1 or 2) goes at which left edge. Narrower than extra image 1: none.
struct BottomTile {
  int Image;
  int Left;
};
std::vector<BottomTile> PlanBottomBar(int canvasWidth, int extra1Width, int extra2Width);

// Paints the title bar, both sides and the bottom bar from the tile sources,
// and places the title-bar buttons, the skin-dependent bottom-bar controls and
// the menu panels over their toggle buttons.
void ConstructPlayListView(PlayListSkinControls& controls, bool winampSkin);

// Panel1's size after a move of the pointer to `pointer` (relative to the
// corner image of size `corner`) while resizing: each axis grows or shrinks
// by whole steps until the pointer is back over the corner, never below
// `minimum`.
QSize ResizedPanel(QPoint pointer, QSize corner, QSize panel, QSize minimum);

}  // namespace PlayListFrame
