#include "SkinFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include "platform/ui/TextFile.h"

namespace SkinUnit {

namespace {

// No skin bitmap comes near these; larger ones are refused as damaged.
constexpr qint64 kMaxBitmapSide = 4096;
constexpr qint64 kMaxBitmapPixels = 4096 * 2048;
constexpr qint64 kMaxTextBytes = 64 * 1024;

constexpr int kFileHeaderSize = 14;
constexpr uint32_t kBitFields = 3;

// Checks the BMP file and information headers against the file's real size.
bool PlausibleBitmap(const QByteArray& data) {
  if (data.size() < kFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  const uint32_t pixelOffset = qFromLittleEndian<uint32_t>(bytes + 10);
  const uint32_t infoSize = qFromLittleEndian<uint32_t>(bytes + 14);
  if (infoSize < 12 || kFileHeaderSize + qint64(infoSize) > data.size()) return false;
  qint64 width = 0;
  qint64 height = 0;
  uint16_t planes = 0;
  uint16_t bitCount = 0;
  uint32_t compression = 0;
  if (infoSize == 12) {
    width = qFromLittleEndian<uint16_t>(bytes + 18);
    height = qFromLittleEndian<uint16_t>(bytes + 20);
    planes = qFromLittleEndian<uint16_t>(bytes + 22);
    bitCount = qFromLittleEndian<uint16_t>(bytes + 24);
  } else {
    if (infoSize < 40) return false;
    width = qFromLittleEndian<int32_t>(bytes + 18);
    height = qAbs(qint64(qFromLittleEndian<int32_t>(bytes + 22)));
    planes = qFromLittleEndian<uint16_t>(bytes + 26);
    bitCount = qFromLittleEndian<uint16_t>(bytes + 28);
    compression = qFromLittleEndian<uint32_t>(bytes + 30);
  }
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
      width * height > kMaxBitmapPixels || planes != 1)
    return false;
  switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (pixelOffset >= quint64(data.size())) return false;
  // Uncompressed rows are padded to 4 bytes; all of them must be present.
  if (compression == 0 || compression == kBitFields) {
    const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
    if (pixelOffset + rowBytes * height > data.size()) return false;
  }
  return true;
}

}  // namespace

QString FindSkinFile(const QString& folder, const QString& fileName) {
  const QDir dir(folder);
  if (!dir.exists()) return {};
  const QString exact = dir.filePath(fileName);
  if (QFileInfo(exact).isFile()) return exact;
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& entry : entries) {
    if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  }
  return {};
}

std::optional<QImage> DecodeImage(const QByteArray& data, const char* format) {
  QBuffer buffer;
  buffer.setData(data);
  QImageReader reader(&buffer, format);
  // Left to guess, Qt asks every image-format plugin whether it knows the
  // data better, loading each of them with its libraries.
  reader.setAutoDetectImageFormat(false);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxBitmapSide || size.height() > kMaxBitmapSide ||
                         qint64(size.width()) * size.height() > kMaxBitmapPixels))
    return std::nullopt;
  QImage image;
  if (!reader.read(&image) || image.isNull()) return std::nullopt;
  return image;
}

std::optional<QImage> ReadSkinBitmap(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const qint64 headerRoom = 16 + 124 + 1024 + 4 * kMaxBitmapPixels;
  if (file.size() > headerRoom) return std::nullopt;
  const QByteArray data = file.readAll();
  std::optional<QImage> image;
  if (data.startsWith("\x89PNG")) {
    image = DecodeImage(data, "PNG");
  } else if (PlausibleBitmap(data)) {
    image = DecodeImage(data, "BMP");
  }
  if (!image) return std::nullopt;
  // Skin bitmaps are opaque; a stray alpha channel must not make sprites vanish.
  return image->convertToFormat(QImage::Format_RGB32);
}

std::optional<QStringList> ReadSkinText(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return PlatformUi::ReadTextLines(path, kMaxTextBytes);
}

}  // namespace SkinUnit
