#pragma once
// What every skin loader shares: reading each file from the skin folder or,
// failing that, under the same name from the default skin folder, and cutting
// bitmaps into image lists by tables.
#include <QImage>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>

#include "platform/ui/ImageList.h"
#include "skins/Sliders.h"

class QWidget;

namespace SkinUnit {

class SkinFileSource {
 public:
  SkinFileSource(QString skinFolder, QString defaultFolder);

  const QString& Folder() const { return skinFolder_; }

  // Each returns nothing, and remembers the name, when neither folder has a
  // usable file of that name.
  std::optional<QImage> Bitmap(const QString& name);
  std::optional<QStringList> Text(const QString& name);
  // The bitmap from the skin folder, else the default folder; nothing is
  // remembered when neither has it (for files a skin may do without).
  std::optional<QImage> OptionalBitmap(const QString& name) const;
  // The bitmap from the skin folder only (no fallback, nothing remembered).
  std::optional<QImage> OwnBitmap(const QString& name) const;
  // A text file from the skin folder only, or from the default folder only.
  std::optional<QStringList> OwnText(const QString& name) const;
  std::optional<QStringList> DefaultText(const QString& name) const;

  const QStringList& Missing() const { return missing_; }
  // One error box naming every file that could not be loaded, if any.
  void ReportMissing() const;

 private:
  QString skinFolder_;
  QString defaultFolder_;
  QStringList missing_;
};

// A source rectangle: top-left corner and copied size.
struct Cut {
  int x, y, w, h;
};

// Appends one sprite per rectangle, in order.
void CutSprites(const QImage& bitmap, PlatformUi::ImageList& list, std::initializer_list<Cut> cuts);

// Appends `count` sprites of w x h, the k-th at (x + k dx, y + k dy).
void CutStrip(const QImage& bitmap, PlatformUi::ImageList& list, int count, int x, int y, int dx,
              int dy, int w, int h);

void Place(QWidget* control, int left, int top, int width, int height);

// A slider record's skin values: offset across the bar, highest bar sprite,
// range 0..100, start value and start sprite.
void SetSlider(GeneralFunctions::SliderRecord& slider, int crossOffset, int highest, int value,
               int sprite);

}  // namespace SkinUnit
