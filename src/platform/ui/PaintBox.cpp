#include "PaintBox.h"

#include <QPainter>

namespace PlatformUi {

namespace {

QImage BlankCanvas(QSize size) {
  QImage canvas(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  return canvas;
}

}  // namespace

PaintBox::PaintBox(QWidget* parent) : SkinnedControl(parent), canvas_(BlankCanvas(size())) {}

void PaintBox::Changed() {
  // A paint handler drawing into the canvas is shown by the paint under way.
  if (!painting_) update();
}

QImage& PaintBox::Canvas() {
  FitCanvas();
  return canvas_;
}

void PaintBox::FitCanvas() {
  const QSize wanted = size().expandedTo(QSize(1, 1));
  if (canvas_.size() == wanted) return;
  QImage resized = BlankCanvas(wanted);
  QPainter painter(&resized);
  painter.drawImage(0, 0, canvas_);
  painter.end();
  canvas_ = resized;
}

void PaintBox::paintEvent(QPaintEvent*) {
  painting_ = true;
  if (OnPaint) OnPaint();
  painting_ = false;
  FitCanvas();
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_);
}

}  // namespace PlatformUi
