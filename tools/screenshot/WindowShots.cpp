#include "WindowShots.h"

#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace Screenshot {

void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// The pixels the window last sent to its screen, not a fresh drawing of it, so
// that a change drawn but never repainted shows as missing. A hidden window
// has sent nothing and is drawn afresh.
QImage Shoot(QWidget* window) {
  if (!window->isVisible()) return window->grab().toImage();
  return window->screen()->grabWindow(window->winId()).toImage();
}

QImage ShootTogether(const std::vector<WindowShot>& shots) {
  QRect area;
  for (const WindowShot& shot : shots) {
    if (shot.window->isVisible()) area = area.united(shot.window->frameGeometry());
  }
  QImage picture(area.size(), QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  for (const WindowShot& shot : shots) {
    if (shot.window->isVisible()) painter.drawImage(shot.window->pos() - area.topLeft(), Shoot(shot.window));
  }
  return picture;
}

}  // namespace Screenshot
