#pragma once
#include <QImage>

#include <functional>
#include <initializer_list>

#include "platform/ui/SkinnedControl.h"

namespace PlatformUi {

// A drawing surface. Qt only paints inside paint events, so the paint box
// keeps its own canvas image: drawing code paints into Canvas() at any time,
// calls Changed(), and the canvas is shown on the next repaint. The canvas
// follows the control's size and keeps what it holds when resized; where
// nothing was drawn it is see-through.
class PaintBox : public SkinnedControl {
  Q_OBJECT
 public:
  explicit PaintBox(QWidget* parent = nullptr);

  QImage& Canvas();
  // Schedules a repaint of the smallest rectangle holding every pixel that
  // differs from what is shown; nothing when the canvas shows no change.
  void Changed();
  // The same rectangle (in the box's coordinates), noted as shown and handed
  // to a caller that repaints it together with other boxes' changes.
  QRect TakeChange();

  // Runs at each repaint, before the canvas is shown, to draw into it.
  std::function<void()> OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Brings the canvas to the control's size (a hidden control gets no resize
  // events, so this runs whenever the canvas is used).
  void FitCanvas();
  // The canvas's pixels inside `area` become what is shown there.
  void NoteShown(const QRect& area);

  QImage canvas_;
  // What the screen shows once the repaints already asked for are done: a
  // change is measured against it, so an unchanged frame costs no repaint.
  QImage shown_;
  bool painting_ = false;
};

// Shows the boxes' changes now, in one repaint of the window they share. Each
// box is repainted itself: a repaint asked of its parent leaves out whatever
// an opaque box covers, so the change would never reach the screen.
void RepaintChanges(std::initializer_list<PaintBox*> boxes);

// The smallest rectangle holding every pixel in which two images of the same
// size and format differ (empty when none does); the whole of `now` when the
// sizes differ.
QRect DifferingRect(const QImage& before, const QImage& now);

}  // namespace PlatformUi
