#pragma once
// Saved window positions can lie off every screen (a monitor since
// unplugged, a hand-edited file); such a window is brought back.
#include <QList>
#include <QPoint>
#include <QRect>

// Where a window of `window`'s geometry should go: where it is when a
// grabbable part of its title strip shows on one of `screens` (their
// available areas), else the nearest spot inside the screen nearest to it.
QPoint PositionOnScreens(const QRect& window, const QList<QRect>& screens);

// The window as close to where it is as fits inside `screen`; a window larger
// than the screen keeps its top-left corner on it.
QPoint PositionInside(const QRect& window, const QRect& screen);

// Applies that to the three player windows after their positions are loaded:
// a lost deck brings the windows at its side along, so docked windows stay
// docked; then a lost equalizer or playlist editor comes back on its own.
void BringPlayerWindowsOntoScreens();
