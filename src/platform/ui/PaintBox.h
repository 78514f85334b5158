#pragma once
#include <QImage>

#include <functional>

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
  // Schedules a repaint that shows the canvas.
  void Changed();

  // Runs at each repaint, before the canvas is shown, to draw into it.
  std::function<void()> OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Brings the canvas to the control's size (a hidden control gets no resize
  // events, so this runs whenever the canvas is used).
  void FitCanvas();

  QImage canvas_;
  bool painting_ = false;
};

}  // namespace PlatformUi
