#include "ShadeStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

namespace SkinUnit {

ShadeStrip::ShadeStrip(QWidget* window) : SkinnedControl(window) {
  // The strip paints every pixel it covers: nothing beneath it is repainted.
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

QImage& ShadeStrip::Picture() {
  const QSize wanted(std::max(1, width()), kShadeHeight);
  if (picture_.size() != wanted) {
    picture_ = QImage(wanted, QImage::Format_RGB32);
    picture_.fill(Qt::black);
  }
  return picture_;
}

void ShadeStrip::Changed(const QRect& area) { update(area); }

void ShadeStrip::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  painter.drawImage(area.topLeft(), Picture(), area);
}

int ShadeStrip::AreaAt(QPoint at) const {
  for (size_t i = 0; i < HotAreas.size(); ++i) {
    if (HotAreas[i].rect.contains(at)) return int(i);
  }
  return -1;
}

void ShadeStrip::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  pressedArea_ = event->button() == Qt::LeftButton ? AreaAt(at) : -1;
  if (pressedArea_ < 0) {
    SkinnedControl::mousePressEvent(event);
    return;
  }
  const HotArea& area = HotAreas[size_t(pressedArea_)];
  if (area.drag) area.drag(at.x());
}

void ShadeStrip::mouseMoveEvent(QMouseEvent* event) {
  if (pressedArea_ < 0) {
    SkinnedControl::mouseMoveEvent(event);
    return;
  }
  const HotArea& area = HotAreas[size_t(pressedArea_)];
  if (area.drag && event->buttons().testFlag(Qt::LeftButton)) area.drag(event->position().toPoint().x());
}

void ShadeStrip::mouseReleaseEvent(QMouseEvent* event) {
  if (pressedArea_ < 0) {
    SkinnedControl::mouseReleaseEvent(event);
    return;
  }
  const HotArea area = HotAreas[size_t(pressedArea_)];
  pressedArea_ = -1;
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton && area.release) area.release(at.x(), area.rect.contains(at));
}

// A double click on a button is two presses of the button, not an unroll.
void ShadeStrip::mouseDoubleClickEvent(QMouseEvent* event) {
  if (AreaAt(event->position().toPoint()) >= 0) {
    mousePressEvent(event);
    return;
  }
  SkinnedControl::mouseDoubleClickEvent(event);
}

}  // namespace SkinUnit
