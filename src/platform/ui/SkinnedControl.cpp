#include "SkinnedControl.h"

#include <QMouseEvent>

namespace PlatformUi {

namespace {

// The mouse in the control's coordinates, from its place on the screen: while
// a drag moves the window, the windowing system may still report positions
// against where the window was before the last move, which would make the
// window jump by the same distance again.
QPoint PositionIn(const QWidget& control, const QMouseEvent& event) {
  return control.mapFromGlobal(event.globalPosition()).toPoint();
}

}  // namespace

SkinnedControl::SkinnedControl(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void SkinnedControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  leftPressed_ = true;
  const QPoint at = PositionIn(*this, *event);
  emit MouseDown(at.x(), at.y());
}

void SkinnedControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = PositionIn(*this, *event);
  emit MouseMove(at.x(), at.y(), event->buttons().testFlag(Qt::LeftButton));
}

void SkinnedControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  const QPoint at = PositionIn(*this, *event);
  emit MouseUp(at.x(), at.y());
  if (rect().contains(at)) emit Click();
}

// The second press of a double click arrives here instead of as a press.
void SkinnedControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  emit DblClick();
  mousePressEvent(event);
}

}  // namespace PlatformUi
