#pragma once
#include <QImage>

#include "platform/ui/SkinnedControl.h"

namespace PlatformUi {

// A picture control: shows its picture at its top-left corner (areas the
// picture does not cover stay see-through) and reports the mouse.
class ImageControl : public SkinnedControl {
  Q_OBJECT
 public:
  explicit ImageControl(QWidget* parent = nullptr);

  const QImage& Picture() const { return picture_; }
  void SetPicture(const QImage& picture);
  // The same for a picture whose opacity the caller already knows.
  void SetPicture(const QImage& picture, bool opaque);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FollowCoverage();

  QImage picture_;
  bool pictureOpaque_ = false;
};

}  // namespace PlatformUi
