#include "ImageList.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace PlatformUi {

namespace {

// Canvases an opaque 32-bit pixel is copied into unchanged by a painter.
bool TakesCopiedPixels(const QImage& canvas) {
  const QImage::Format format = canvas.format();
  return canvas.devicePixelRatio() == 1.0 &&
         (format == QImage::Format_ARGB32 || format == QImage::Format_RGB32 ||
          format == QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

bool FullyOpaque(const QImage& image) {
  if (!image.hasAlphaChannel()) return true;
  const QImage argb = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    if (!std::all_of(row, row + argb.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; })) return false;
  }
  return true;
}

void CopyPixels(const QImage& from, const QRect& area, QImage& to, QPoint at) {
  const QRect target = QRect(at, area.size()).intersected(to.rect());
  const QPoint shift = target.topLeft() - at + area.topLeft();
  for (int row = 0; row < target.height(); ++row) {
    std::memcpy(reinterpret_cast<QRgb*>(to.scanLine(target.top() + row)) + target.left(),
                reinterpret_cast<const QRgb*>(from.constScanLine(shift.y() + row)) + shift.x(),
                size_t(target.width()) * sizeof(QRgb));
  }
}

void ImageList::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  Clear();
}

void ImageList::Add(const QImage& sprite) {
  if (sprite.size() == QSize(width_, height_) && sprite.format() == QImage::Format_ARGB32) {
    sprites_.push_back(sprite);
    opaque_.push_back(FullyOpaque(sprite) && sprite.devicePixelRatio() == 1.0);
    return;
  }
  QImage fitted(width_, height_, QImage::Format_ARGB32);
  fitted.fill(Qt::black);
  QPainter painter(&fitted);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, sprite);
  painter.end();
  sprites_.push_back(fitted);
  opaque_.push_back(FullyOpaque(fitted));
}

QImage ImageList::Sprite(int index) const {
  if (index < 0 || index >= Count()) return {};
  return sprites_[static_cast<size_t>(index)];
}

bool ImageList::CopyOpaque(QImage& canvas, int x, int y, int index) const {
  if (!Opaque(index) || !TakesCopiedPixels(canvas)) return false;
  const QImage& sprite = sprites_[size_t(index)];
  CopyPixels(sprite, sprite.rect(), canvas, {x, y});
  return true;
}

void ImageList::Draw(QImage& canvas, int x, int y, int index) const {
  if (index < 0 || index >= Count() || canvas.isNull() || CopyOpaque(canvas, x, y, index)) return;
  QPainter painter(&canvas);
  painter.drawImage(x, y, sprites_[static_cast<size_t>(index)]);
}

}  // namespace PlatformUi
