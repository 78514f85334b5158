#include "SpriteFunctions.h"

#include <QPainter>

namespace GeneralFunctions {

QImage CutRectangle(const QImage& bitmap, int x, int y, int w, int h, QSize size) {
  QImage cut(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  cut.fill(Qt::black);
  const QRect source = QRect(x, y, w, h).intersected(bitmap.rect());
  if (source.isEmpty()) return cut;
  const QPoint at = source.topLeft() - QPoint(x, y);
  if (bitmap.format() != QImage::Format_RGB32 || bitmap.devicePixelRatio() != 1.0) {
    QPainter painter(&cut);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, bitmap, source);
    return cut;
  }
  // Opaque pixels are copied as they are, as a painter would copy them; a
  // painter would also stay with every sprite cut, a paint engine each.
  PlatformUi::CopyPixels(bitmap, source, cut, at);
  return cut;
}

void SliceToImageList(const QImage& bitmap, int x, int y, int w, int h,
                      PlatformUi::ImageList& list) {
  list.Add(CutRectangle(bitmap, x, y, w, h, QSize(list.Width(), list.Height())));
}

void SliceToImage(const QImage& bitmap, int x, int y, int w, int h,
                  PlatformUi::ImageControl& image) {
  image.SetPicture(CutRectangle(bitmap, x, y, w, h, image.size()));
}

void SliceToBitmap(const QImage& bitmap, int x, int y, int w, int h, QImage& target) {
  target = CutRectangle(bitmap, x, y, w, h, target.size());
}

void ShowSprite(PlatformUi::ImageControl& image, const PlatformUi::ImageList& list, int index) {
  image.SetPicture(list.Sprite(index), list.Opaque(index));
}

void CopyImageToCanvas(const PlatformUi::ImageControl& image, int x, int y,
                       PlatformUi::PaintBox& canvas) {
  if (image.Picture().isNull()) return;
  QPainter painter(&canvas.Canvas());
  painter.drawImage(x, y, image.Picture());
  painter.end();
  canvas.Changed();
}

}  // namespace GeneralFunctions
