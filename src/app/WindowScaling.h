#pragma once
// Double size changes Qt's window scale, and with it where a saved position
// lands: Qt scales positions from the top-left corner of the window's
// screen. These are the places that keep the windows where they are on the
// screen across the change.
#include <QList>
#include <QRect>

#include "app/WindowDocking.h"

struct ScreenArea {
  QRect Geometry;   // the whole screen; positions scale from its top-left corner
  QRect Available;  // without the desktop's panels
};

// The windows' places in the coordinates of the new scale, `ratio` being the
// old scale over the new one (1/2 when the windows double, 2 when they go
// back): each window's top-left corner stays where it is on its screen,
// docked windows stay against the windows they are docked to, and a window
// or a docked group that lay wholly on its screen and would now reach past
// an edge is moved back onto the screen the shortest way.
WindowDocking::Layout LayoutForScale(const WindowDocking::Layout& now, const WindowDocking::Docking& docking,
                                     double ratio, const QList<ScreenArea>& screens);
