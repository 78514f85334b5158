#include "SkinnedControl.h"

#include <QMouseEvent>

namespace PlatformUi {

SkinnedControl::SkinnedControl(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void SkinnedControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  leftPressed_ = true;
  const QPoint at = event->position().toPoint();
  emit MouseDown(at.x(), at.y());
}

void SkinnedControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit MouseMove(at.x(), at.y(), event->buttons().testFlag(Qt::LeftButton));
}

void SkinnedControl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  const QPoint at = event->position().toPoint();
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
