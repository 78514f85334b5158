#include "ImageControl.h"

#include <QPainter>

#include "platform/ui/ImageList.h"

namespace PlatformUi {

ImageControl::ImageControl(QWidget* parent) : SkinnedControl(parent) {}

void ImageControl::SetPicture(const QImage& picture) {
  // The picture already shown is not scanned again: setting it changes nothing.
  const bool shown = picture.cacheKey() == picture_.cacheKey();
  SetPicture(picture, !shown && !picture.isNull() && FullyOpaque(picture));
}

void ImageControl::SetPicture(const QImage& picture, bool opaque) {
  // A sprite shown again shares the pixels already shown: nothing to repaint.
  if (picture.cacheKey() == picture_.cacheKey() && !picture.isNull()) return;
  picture_ = picture;
  pictureOpaque_ = opaque && !picture_.isNull();
  FollowCoverage();
  update();
}

void ImageControl::resizeEvent(QResizeEvent*) { FollowCoverage(); }

// A picture without see-through pixels that covers the whole control hides
// whatever lies beneath it, so a repaint of the control need not paint that
// first.
void ImageControl::FollowCoverage() {
  const QSizeF covered = picture_.deviceIndependentSize();
  setAttribute(Qt::WA_OpaquePaintEvent, pictureOpaque_ && covered.width() >= width() && covered.height() >= height());
}

void ImageControl::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace PlatformUi
