#include "WindowShots.h"

#include <QEventLoop>
#include <QPainter>
#include <QTimer>

namespace Screenshot {

void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

QImage Shoot(QWidget* window) { return window->grab().toImage(); }

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
