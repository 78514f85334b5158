#pragma once
// Moving borderless windows by a drag and snapping them to each other.
#include <QWidget>

#include <cstdint>

namespace GeneralFunctions {

// Snap tolerance in pixels, set once at start-up.
extern int32_t SnapDistance;

// Sides a moving window can snap to, as returned by SnapWindow.
enum SnapSide : int { snapAbove = 0, snapBelow = 1, snapLeft = 2, snapRight = 3, snapNone = 4 };

// Moves the window by (mouseX - pressX, mouseY - pressY), size unchanged.
void MoveWindowByDrag(QWidget& window, int pressX, int pressY, int mouseX, int mouseY);

// Snaps `moving` onto a side of `anchor` when an edge is within SnapDistance
// and the two overlap along that edge; on a snap copies sourceMarker into
// targetMarker and returns the last side matched, else snapNone. A hidden
// window never snaps.
int SnapWindow(const QWidget& anchor, QWidget& moving, uint8_t sourceMarker,
               uint8_t& targetMarker);

}  // namespace GeneralFunctions
