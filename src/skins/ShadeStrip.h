#pragma once
// A window's windowshade strip: the 14-pixel bar that covers the top of a
// window while it is rolled up. Its owner paints the strip's picture and
// names the hot areas on it (buttons, small sliders); a press on a hot area
// goes to that area, and everywhere else the strip reports the mouse like a
// title bar, so the window is dragged and a double click unrolls it.
#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

#include "platform/ui/SkinnedControl.h"

namespace SkinUnit {

constexpr int kShadeHeight = 14;

class ShadeStrip : public PlatformUi::SkinnedControl {
  Q_OBJECT
 public:
  explicit ShadeStrip(QWidget* window);

  struct HotArea {
    QRect rect;
    // A press and every move while held, with the mouse's x in the strip.
    std::function<void(int x)> drag;
    // The release; `inside` when it is over the area (a button's click).
    std::function<void(int x, bool inside)> release;
  };
  std::vector<HotArea> HotAreas;

  // The strip's picture, as wide as the strip; the owner paints it and calls
  // Changed for the part it painted.
  QImage& Picture();
  void Changed(const QRect& area);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int AreaAt(QPoint at) const;
  QImage picture_;
  int pressedArea_ = -1;
};

}  // namespace SkinUnit
