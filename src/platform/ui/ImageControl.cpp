#include "ImageControl.h"

#include <QPainter>

namespace PlatformUi {

ImageControl::ImageControl(QWidget* parent) : SkinnedControl(parent) {}

void ImageControl::SetPicture(const QImage& picture) {
  // A sprite shown again shares the pixels already shown: nothing to repaint.
  if (picture.cacheKey() == picture_.cacheKey() && !picture.isNull()) return;
  picture_ = picture;
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace PlatformUi
