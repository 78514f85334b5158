#include "SpriteFunctions.h"

#include <QPainter>

namespace GeneralFunctions {

QImage CutRectangle(const QImage& bitmap, int x, int y, int w, int h, QSize size) {
  QImage cut(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
  cut.fill(Qt::black);
  const QRect source = QRect(x, y, w, h).intersected(bitmap.rect());
  if (source.isEmpty()) return cut;
  QPainter painter(&cut);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(source.topLeft() - QPoint(x, y), bitmap, source);
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
  image.SetPicture(list.Sprite(index));
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
