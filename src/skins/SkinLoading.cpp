#include "SkinLoading.h"

#include <QWidget>

#include "platform/ui/MessageBoxService.h"
#include "skins/SkinFiles.h"
#include "skins/SpriteFunctions.h"

namespace SkinUnit {

namespace {

// The bitmap of that name in the folder, or a PNG of the same stem.
std::optional<QImage> BitmapIn(const QString& folder, const QString& name) {
  if (auto image = ReadSkinBitmap(FindSkinFile(folder, name))) return image;
  if (!name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) return std::nullopt;
  return ReadSkinBitmap(FindSkinFile(folder, name.chopped(4) + QStringLiteral(".png")));
}

}  // namespace

SkinFileSource::SkinFileSource(QString skinFolder, QString defaultFolder)
    : skinFolder_(std::move(skinFolder)), defaultFolder_(std::move(defaultFolder)) {}

std::optional<QImage> SkinFileSource::OwnBitmap(const QString& name) const {
  return BitmapIn(skinFolder_, name);
}

std::optional<QImage> SkinFileSource::OptionalBitmap(const QString& name) const {
  if (auto own = OwnBitmap(name)) return own;
  return BitmapIn(defaultFolder_, name);
}

std::optional<QImage> SkinFileSource::Bitmap(const QString& name) {
  if (auto found = OptionalBitmap(name)) return found;
  missing_.append(name);
  return std::nullopt;
}

std::optional<QStringList> SkinFileSource::OwnText(const QString& name) const {
  return ReadSkinText(FindSkinFile(skinFolder_, name));
}

std::optional<QStringList> SkinFileSource::DefaultText(const QString& name) const {
  return ReadSkinText(FindSkinFile(defaultFolder_, name));
}

std::optional<QStringList> SkinFileSource::Text(const QString& name) {
  if (auto own = OwnText(name)) return own;
  if (auto fallback = DefaultText(name)) return fallback;
  missing_.append(name);
  return std::nullopt;
}

void SkinFileSource::ReportMissing() const {
  if (missing_.isEmpty()) return;
  PlatformUi::ShowErrorMessage(
      QStringLiteral("These skin files could not be loaded from \"%1\" nor from the default "
                     "skin \"%2\":\n%3")
          .arg(skinFolder_, defaultFolder_, missing_.join(QStringLiteral(", "))));
}

void CutSprites(const QImage& bitmap, PlatformUi::ImageList& list, std::initializer_list<Cut> cuts) {
  for (const Cut& cut : cuts) GeneralFunctions::SliceToImageList(bitmap, cut.x, cut.y, cut.w, cut.h, list);
}

void CutStrip(const QImage& bitmap, PlatformUi::ImageList& list, int count, int x, int y, int dx,
              int dy, int w, int h) {
  for (int k = 0; k < count; ++k)
    GeneralFunctions::SliceToImageList(bitmap, x + k * dx, y + k * dy, w, h, list);
}

void Place(QWidget* control, int left, int top, int width, int height) {
  control->setGeometry(left, top, width, height);
}

void SetSlider(GeneralFunctions::SliderRecord& slider, int crossOffset, int highest, int value,
               int sprite) {
  slider.CrossOffset = crossOffset;
  slider.HighestSpriteIndex = highest;
  slider.Minimum = 0;
  slider.Maximum = 100;
  slider.Value = value;
  slider.SpriteIndex = sprite;
}

}  // namespace SkinUnit
