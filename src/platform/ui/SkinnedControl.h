#pragma once
#include <QWidget>

namespace PlatformUi {

// Base of the skinned controls: reports the mouse the way the windows' handlers
// expect it. Only the left button acts: presses, releases, clicks and double
// clicks of other buttons are not reported. Moves are always reported (for
// hover cursors), with whether the left button is held.
class SkinnedControl : public QWidget {
  Q_OBJECT
 public:
  explicit SkinnedControl(QWidget* parent = nullptr);

 signals:
  void MouseDown(int x, int y);
  void MouseMove(int x, int y, bool leftHeld);
  void MouseUp(int x, int y);
  // A left press and release both over the control.
  void Click();
  void DblClick();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool leftPressed_ = false;
};

}  // namespace PlatformUi
