#include "ImageList.h"

#include <QPainter>

namespace PlatformUi {

void ImageList::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  sprites_.clear();
}

void ImageList::Add(const QImage& sprite) {
  if (sprite.size() == QSize(width_, height_) && sprite.format() == QImage::Format_ARGB32) {
    sprites_.push_back(sprite);
    return;
  }
  QImage fitted(width_, height_, QImage::Format_ARGB32);
  fitted.fill(Qt::black);
  QPainter painter(&fitted);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, sprite);
  painter.end();
  sprites_.push_back(fitted);
}

QImage ImageList::Sprite(int index) const {
  if (index < 0 || index >= Count()) return {};
  return sprites_[static_cast<size_t>(index)];
}

void ImageList::Draw(QImage& canvas, int x, int y, int index) const {
  if (index < 0 || index >= Count() || canvas.isNull()) return;
  QPainter painter(&canvas);
  painter.drawImage(x, y, sprites_[static_cast<size_t>(index)]);
}

}  // namespace PlatformUi
