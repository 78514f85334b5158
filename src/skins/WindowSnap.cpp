#include "WindowSnap.h"

#include <cstdlib>

namespace GeneralFunctions {

int32_t SnapDistance = 10;

namespace {

bool Near(int a, int b) { return std::abs(a - b) <= SnapDistance; }

// Whether [bStart, bEnd] overlaps [aStart, aEnd], edges included.
bool Overlap(int aStart, int aEnd, int bStart, int bEnd) {
  return (aStart <= bStart && bStart <= aEnd) || (aStart <= bEnd && bEnd <= aEnd) ||
         (bStart <= aStart && bEnd >= aEnd);
}

}  // namespace

void MoveWindowByDrag(QWidget& window, int pressX, int pressY, int mouseX, int mouseY) {
  window.move(mouseX + window.x() - pressX, mouseY + window.y() - pressY);
}

int SnapWindow(const QWidget& anchor, QWidget& moving, uint8_t sourceMarker,
               uint8_t& targetMarker) {
  if (!anchor.isVisible() || !moving.isVisible()) return snapNone;
  const QRect a(anchor.pos(), anchor.size());
  const int aRight = a.x() + a.width();
  const int aBottom = a.y() + a.height();
  const int w = moving.width();
  const int h = moving.height();
  int left = moving.x();
  int top = moving.y();
  int side = snapNone;

  if (Overlap(a.x(), aRight, left, left + w)) {
    if (Near(a.y(), top + h)) {
      side = snapAbove;
      top = a.y() - h;
      if (Near(left, a.x())) left = a.x();
    }
    if (Near(top, aBottom)) {
      side = snapBelow;
      top = aBottom;
      if (Near(left, a.x())) left = a.x();
    }
  }
  if (Overlap(a.y(), aBottom, top, top + h)) {
    if (Near(a.x(), left + w)) {
      side = snapLeft;
      left = a.x() - w;
      if (Near(top, a.y())) top = a.y();
    }
    if (Near(left, aRight)) {
      side = snapRight;
      left = aRight;
      if (Near(top, a.y())) top = a.y();
    }
  }
  if (side == snapNone) return snapNone;
  moving.move(left, top);
  targetMarker = sourceMarker;
  return side;
}

}  // namespace GeneralFunctions
