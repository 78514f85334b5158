#include "SkinFonts.h"

#include <QDir>
#include <QFontDatabase>

namespace SkinGen {

namespace {

QFont Hinted(const QString& family, int pixelSize) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

}  // namespace

bool LoadSkinFonts(const QString& fontFolder, QString* error) {
  for (const char* file : {"DejaVuSansMono-Bold.ttf", "DejaVuSansCondensed-Bold.ttf"}) {
    const QString path = QDir(fontFolder).filePath(QString::fromLatin1(file));
    if (QFontDatabase::addApplicationFont(path) < 0) {
      *error = QStringLiteral("cannot load the font %1").arg(path);
      return false;
    }
  }
  return true;
}

QFont DisplayFont(int pixelSize) { return Hinted(QStringLiteral("DejaVu Sans Mono"), pixelSize); }

QFont LabelFont(int pixelSize) { return Hinted(QStringLiteral("DejaVu Sans Condensed"), pixelSize); }

}  // namespace SkinGen
