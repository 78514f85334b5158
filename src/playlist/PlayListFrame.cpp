#include "PlayListFrame.h"

#include <algorithm>

#include "skins/PlayListSkinControls.h"
#include "skins/SpriteFunctions.h"

namespace PlayListFrame {

namespace {

using GeneralFunctions::CopyImageToCanvas;
using PlatformUi::PaintBox;

void ClearCanvas(PaintBox& canvas) { canvas.Canvas().fill(Qt::transparent); }

void PaintTitleBar(PlayListSkinControls& c, const FrameTiles& tiles) {
  PaintBox& canvas = *c.PLTopCanvas;
  ClearCanvas(canvas);
  const TitleBarPlan plan = PlanTitleBar(tiles.HorizontalTiles, c.PLTitleBarHorizontalImage->width(),
                                         c.PLTitleBarMainImage->width());
  for (const int left : plan.TileLefts) CopyImageToCanvas(*c.PLTitleBarHorizontalImage, left, 0, canvas);
  CopyImageToCanvas(*c.PLTitleBarMainImage, plan.MainLeft, 0, canvas);
}

void PaintSide(PlatformUi::ImageControl& tile, PaintBox& canvas, const FrameTiles& tiles) {
  ClearCanvas(canvas);
  for (int i = 0; i <= tiles.VerticalTiles; ++i) CopyImageToCanvas(tile, 0, i * tile.height(), canvas);
}

void PaintBottomBar(PlayListSkinControls& c) {
  PaintBox& canvas = *c.PLBottomCanvas;
  ClearCanvas(canvas);
  for (const BottomTile& tile : PlanBottomBar(canvas.width(), c.PLBottomExtraImage1->width(),
                                              c.PLBottomExtraImage2->width())) {
    CopyImageToCanvas(tile.Image == 1 ? *c.PLBottomExtraImage1 : *c.PLBottomExtraImage2, tile.Left, 0,
                      canvas);
  }
}

void PlaceMovableControls(PlayListSkinControls& c, bool winampSkin) {
  const int titleRight = c.PLTitleBarRightImage->x();
  // A Winamp skin draws its close button one pixel further right.
  c.PLCloseWindowButton->move(titleRight + (winampSkin ? 14 : 13), c.PLCloseWindowButton->y());
  c.PLToggleWindowButton->move(titleRight + 4, c.PLToggleWindowButton->y());

  const int bottomRight = c.PLBottomRightImage->x();
  c.ToggleMenu5Button->move(bottomRight + (winampSkin ? 106 : 121), c.ToggleMenu5Button->y());
  // The info area: in a Winamp skin 6 pixels into the bottom-right part; in
  // the player's own skins it ends with that part's display, 120 pixels in,
  // and reaches left as far as its 18 characters need.
  constexpr int kOwnDisplayEnd = 120;
  const int infoLeft = winampSkin ? bottomRight + 6 : bottomRight + kOwnDisplayEnd - c.PLTextWindow->width();
  c.PLTextWindow->move(infoLeft, c.PLTextWindow->y());

  const int bottomTop = c.PLBottomPanel->y();
  const auto menus = c.PLMenuPanels();
  const auto toggles = c.ToggleMenuButtons();
  for (size_t i = 0; i < menus.size(); ++i) {
    const QWidget& toggle = *toggles[i];
    menus[i]->move(toggle.x() - 3, bottomTop + toggle.y() + toggle.height() - menus[i]->height());
  }
}

}  // namespace

FrameTiles CalculatePLMultipliers(const PlayListSkinControls& c) {
  const int tileWidth = std::max(1, c.PLTitleBarHorizontalImage->width());
  const int tileHeight = std::max(1, c.PLVerticalLeftImage->height());
  return {((c.PLTopCanvas->width() - c.PLTitleBarMainImage->width()) / tileWidth) / 2,
          c.PLLeftCanvas->height() / tileHeight};
}

TitleBarPlan PlanTitleBar(int horizontalTiles, int tileWidth, int mainWidth) {
  TitleBarPlan plan;
  int x = 0;
  for (int i = 0; i <= horizontalTiles; ++i, x += tileWidth) plan.TileLefts.push_back(x);
  x -= tileWidth / 2;
  plan.MainLeft = x;
  x += mainWidth;
  for (int i = 0; i <= horizontalTiles; ++i, x += tileWidth) plan.TileLefts.push_back(x);
  return plan;
}

std::vector<BottomTile> PlanBottomBar(int canvasWidth, int extra1Width, int extra2Width) {
  const int e1 = extra1Width;
  if (e1 <= 0 || canvasWidth < e1) return {};
  if (canvasWidth < 3 * e1) return {{1, 0}, {1, e1}};
  if (canvasWidth < 4 * e1) return {{2, 0}};
  std::vector<BottomTile> tiles;
  const int count = (canvasWidth - extra2Width) / e1;
  for (int i = 0; i < count; ++i) tiles.push_back({1, i * e1});
  tiles.push_back({2, count * e1});
  return tiles;
}

void ConstructPlayListView(PlayListSkinControls& c, bool winampSkin) {
  const FrameTiles tiles = CalculatePLMultipliers(c);
  PaintTitleBar(c, tiles);
  PaintSide(*c.PLVerticalLeftImage, *c.PLLeftCanvas, tiles);
  PaintSide(*c.PLVerticalRightImage, *c.PLRightCanvas, tiles);
  PaintBottomBar(c);
  // Cleared canvases must be shown even where no tile was drawn.
  for (PaintBox* canvas : {c.PLTopCanvas, c.PLLeftCanvas, c.PLRightCanvas, c.PLBottomCanvas})
    canvas->Changed();
  PlaceMovableControls(c, winampSkin);
}

QSize ResizedPanel(QPoint pointer, QSize corner, QSize panel, QSize minimum) {
  int x = pointer.x();
  int y = pointer.y();
  int width = panel.width();
  int height = panel.height();
  for (; x > corner.width(); x -= kSizeStep) width += kSizeStep;
  for (; x < corner.width() - kSizeStep && width > minimum.width(); x += kSizeStep) width -= kSizeStep;
  for (; y > corner.height(); y -= kSizeStep) height += kSizeStep;
  for (; y < 0 && height > minimum.height(); y += kSizeStep) height -= kSizeStep;
  return QSize(width, height).expandedTo(minimum);
}

}  // namespace PlayListFrame
