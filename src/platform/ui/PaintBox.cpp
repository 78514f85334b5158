#include "PaintBox.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace PlatformUi {

namespace {

QImage BlankCanvas(QSize size) {
  QImage canvas(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  return canvas;
}

}  // namespace

QRect DifferingRect(const QImage& before, const QImage& now) {
  if (before.size() != now.size() || before.format() != now.format()) return now.rect();
  const int pixelBytes = now.depth() / 8;
  const size_t rowBytes = size_t(now.width()) * size_t(pixelBytes);
  int left = now.width(), right = -1, top = -1, bottom = -1;
  for (int y = 0; y < now.height(); ++y) {
    const uchar* a = before.constScanLine(y);
    const uchar* b = now.constScanLine(y);
    if (std::memcmp(a, b, rowBytes) == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    int first = 0, last = now.width() - 1;
    while (std::memcmp(a + first * pixelBytes, b + first * pixelBytes, size_t(pixelBytes)) == 0) ++first;
    while (std::memcmp(a + last * pixelBytes, b + last * pixelBytes, size_t(pixelBytes)) == 0) --last;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

PaintBox::PaintBox(QWidget* parent) : SkinnedControl(parent), canvas_(BlankCanvas(size())) {}

void PaintBox::Changed() { update(TakeChange()); }

void RepaintChanges(std::initializer_list<PaintBox*> boxes) {
  PaintBox* last = nullptr;
  QRect lastChange;
  bool marked = false;
  for (PaintBox* box : boxes) {
    const QRect change = box->TakeChange();
    if (change.isEmpty()) continue;
    // Marked now, painted by the repaint below: Qt repaints every marked
    // widget of a window in one pass and sends the window's pixels once.
    if (last) {
      last->update(lastChange);
      marked = true;
    }
    last = box;
    lastChange = change;
  }
  if (!last) return;
  last->repaint(lastChange);
  // The mark posted a repaint request, which the repaint has answered when
  // it could run; otherwise the request stays for later.
  if (marked && last->isVisible() && last->updatesEnabled())
    QCoreApplication::removePostedEvents(last->window(), QEvent::UpdateRequest);
}

QRect PaintBox::TakeChange() {
  // A paint handler drawing into the canvas is shown by the paint under way.
  if (painting_) return {};
  FitCanvas();
  const QRect changed = DifferingRect(shown_, canvas_);
  if (!changed.isEmpty()) NoteShown(changed);
  return changed;
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

void PaintBox::NoteShown(const QRect& area) {
  if (shown_.size() != canvas_.size() || shown_.format() != canvas_.format()) {
    shown_ = canvas_.copy();  // a buffer of its own: drawing into the canvas never copies it
    return;
  }
  const QRect inside = area.intersected(canvas_.rect());
  const int pixelBytes = canvas_.depth() / 8;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    std::memcpy(shown_.scanLine(y) + inside.left() * pixelBytes, canvas_.constScanLine(y) + inside.left() * pixelBytes,
                size_t(inside.width()) * size_t(pixelBytes));
  }
}

void PaintBox::paintEvent(QPaintEvent* event) {
  painting_ = true;
  if (OnPaint) OnPaint();
  painting_ = false;
  FitCanvas();
  const QRect area = event->rect();
  QPainter painter(this);
  painter.drawImage(area, canvas_, area);
  NoteShown(area);
}

}  // namespace PlatformUi
