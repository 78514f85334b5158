#include "WindowScaling.h"

#include <QtMath>

#include "app/WindowPlacement.h"

namespace {

using WindowDocking::Docking;
using WindowDocking::Layout;

constexpr uint8_t kWindows[] = {WindowDocking::diDeck, WindowDocking::diEqualizer, WindowDocking::diPlayList};

const ScreenArea* ScreenOf(const QRect& window, const QList<ScreenArea>& screens) {
  for (const ScreenArea& screen : screens) {
    if (screen.Geometry.contains(window.center())) return &screen;
  }
  return screens.isEmpty() ? nullptr : &screens.front();
}

QPoint Scaled(QPoint point, QPoint origin, double ratio) {
  const QPointF offset = QPointF(point - origin) * ratio;
  return origin + QPoint(qFloor(offset.x()), qFloor(offset.y()));
}

QRect ScaledArea(const ScreenArea& screen, double ratio) {
  const QPoint origin = screen.Geometry.topLeft();
  const QRect& area = screen.Available;
  return {Scaled(area.topLeft(), origin, ratio),
          QSize(qFloor(area.width() * ratio), qFloor(area.height() * ratio))};
}

// The window that leads the group a window belongs to: the deck for the
// windows docked to it directly or through the other one, else the free
// window a chain ends at; of two windows docked only to each other, the
// equalizer.
uint8_t GroupOf(uint8_t id, const Docking& docking) {
  const auto anchor = [&docking](uint8_t window) -> uint8_t {
    if (window == WindowDocking::diDeck) return window;
    const WindowDocking::DockRecord& record =
        window == WindowDocking::diEqualizer ? docking.Equalizer : docking.PlayList;
    return record.DockSide == WindowDocking::kNotDocked ? window : record.DockedTo;
  };
  uint8_t at = anchor(anchor(id));
  return anchor(at) == at ? at : uint8_t{WindowDocking::diEqualizer};
}

}  // namespace

Layout LayoutForScale(const Layout& now, const Docking& docking, double ratio, const QList<ScreenArea>& screens) {
  Layout scaled = now;
  for (const uint8_t id : kWindows) {
    QRect& place = scaled.Of(id);
    if (const ScreenArea* screen = ScreenOf(now.Of(id), screens))
      place.moveTo(Scaled(place.topLeft(), screen->Geometry.topLeft(), ratio));
  }
  Layout placed = WindowDocking::KeepDocked(now, scaled, docking);
  for (const uint8_t group : kWindows) {
    QRect before;
    QRect after;
    for (const uint8_t id : kWindows) {
      if (GroupOf(id, docking) != group) continue;
      before |= now.Of(id);
      after |= placed.Of(id);
    }
    const ScreenArea* screen = ScreenOf(now.Of(group), screens);
    if (before.isNull() || !screen || !screen->Available.contains(before)) continue;
    const QRect area = ScaledArea(*screen, ratio);
    const QPoint shift = PositionInside(after, area) - after.topLeft();
    for (const uint8_t id : kWindows) {
      if (GroupOf(id, docking) == group) placed.Of(id).translate(shift);
    }
  }
  return placed;
}
