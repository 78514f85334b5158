#include "SkinWriter.h"

#include <QDir>
#include <QSaveFile>

#include "CursorFiles.h"
#include "SkinBitmaps.h"
#include "SkinTextFiles.h"

namespace SkinGen {

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool WriteBitmap(const QString& path, const QImage& image, QString* error) {
  QSaveFile file(path);
  const bool written = file.open(QIODevice::WriteOnly) &&
                       image.convertToFormat(QImage::Format_RGB32).save(&file, "BMP") && file.commit();
  if (!written) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
  return written;
}

bool WriteLines(const QString& path, const QStringList& lines, QString* error) {
  return WriteFile(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8(), error);
}

bool MakeFolder(const QDir& dir, QString* error) {
  if (dir.mkpath(QStringLiteral("."))) return true;
  *error = QStringLiteral("cannot create %1").arg(dir.path());
  return false;
}

}  // namespace

bool WriteDefaultSkin(const QString& folder, QString* error) {
  const QDir dir(folder);
  if (!MakeFolder(dir, error)) return false;
  std::vector<NamedBitmap> bitmaps;
  for (auto group : {TextBitmaps, DeckBitmaps, BarBitmaps, EqualizerBitmaps, PlaylistBitmaps}) {
    for (NamedBitmap& bitmap : group()) bitmaps.push_back(std::move(bitmap));
  }
  for (const NamedBitmap& bitmap : bitmaps) {
    if (!WriteBitmap(dir.filePath(bitmap.fileName), bitmap.image, error)) return false;
  }
  for (const NamedCursor& cursor : SkinCursors()) {
    if (!WriteFile(dir.filePath(cursor.fileName), EncodeCursorFile(cursor.image, cursor.hotSpot), error)) return false;
  }
  return WriteLines(dir.filePath(QStringLiteral("Playlist.txt")), PlaylistColourLines(), error) &&
         WriteLines(dir.filePath(QStringLiteral("Readme.txt")), ReadmeLines(), error);
}

bool WriteWinampBaseSkin(const QString& folder, QString* error) {
  const QDir dir(folder);
  if (!MakeFolder(dir, error)) return false;
  for (const NamedBitmap& bitmap : WinampBitmaps()) {
    if (!WriteBitmap(dir.filePath(bitmap.fileName), bitmap.image, error)) return false;
  }
  return WriteLines(dir.filePath(QStringLiteral("pledit.txt")), PlaylistColourLines(), error) &&
         WriteLines(dir.filePath(QStringLiteral("viscolor.txt")), VisColourLines(), error);
}

}  // namespace SkinGen
