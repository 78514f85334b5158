#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"

namespace {

// The part of the title strip that must show for the window to be dragged.
constexpr int kTitleStripHeight = 14;
constexpr int kGrabbableWidth = 32;
constexpr int kGrabbableHeight = 6;

bool Grabbable(const QRect& window, const QRect& screen) {
  const QRect strip(window.left(), window.top(), window.width(),
                    std::min(window.height(), kTitleStripHeight));
  const QRect shown = strip.intersected(screen);
  return shown.width() >= std::min(kGrabbableWidth, strip.width()) &&
         shown.height() >= std::min(kGrabbableHeight, strip.height());
}

int64_t DistanceSquared(const QPoint& point, const QRect& area) {
  const int64_t dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
  const int64_t dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
  return dx * dx + dy * dy;
}

QList<QRect> AvailableScreenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append(screen->availableGeometry());
  return areas;
}

}  // namespace

QPoint PositionOnScreens(const QRect& window, const QList<QRect>& screens) {
  if (screens.isEmpty()) return window.topLeft();
  if (std::any_of(screens.begin(), screens.end(),
                  [&window](const QRect& screen) { return Grabbable(window, screen); })) {
    return window.topLeft();
  }
  const QRect* nearest = &screens.front();
  int64_t best = std::numeric_limits<int64_t>::max();
  for (const QRect& screen : screens) {
    const int64_t distance = DistanceSquared(window.center(), screen);
    if (distance < best) {
      best = distance;
      nearest = &screen;
    }
  }
  return PositionInside(window, *nearest);
}

QPoint PositionInside(const QRect& window, const QRect& screen) {
  const int x = std::max(screen.left(), std::min(window.left(), screen.right() + 1 - window.width()));
  const int y = std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - window.height()));
  return {x, y};
}

void BringPlayerWindowsOntoScreens() {
  const QList<QRect> screens = AvailableScreenAreas();
  QWidget* deck = DeckForm;
  const QPoint shift = PositionOnScreens(deck->geometry(), screens) - deck->pos();
  QWidget* others[] = {EqualizerFormSkinned, PlayListEditorForm};
  if (!shift.isNull()) {
    deck->move(deck->pos() + shift);
    for (QWidget* window : others) window->move(window->pos() + shift);
  }
  for (QWidget* window : others) window->move(PositionOnScreens(window->geometry(), screens));
}
