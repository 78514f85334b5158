#include "SkinTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

namespace SkinTests {

QRgb Pixel(int x, int y, int marker) {
  return qRgb(x % 256, y % 256, marker * 64 + (x / 256) * 8 + y / 256);
}

void WritePatternBitmap(const QString& path, int w, int h, int marker) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, Pixel(x, y, marker));
  image.save(path, "BMP");
}

void WriteNativeSkin(const QString& folder, int marker) {
  QDir().mkpath(folder);
  const struct {
    const char* name;
    int w, h;
  } bitmaps[] = {{"DeckMain.bmp", 300, 173},   {"PlayButtons.bmp", 180, 40},
                 {"ShuffleRepeat.bmp", 110, 64}, {"EQPLButtons.bmp", 110, 64},
                 {"MP3MODCD.bmp", 180, 64},    {"VolumeBars.bmp", 349, 55},
                 {"BalanceBars.bmp", 55, 349}, {"PositionBar.bmp", 184, 399},
                 {"MonoStereo.bmp", 64, 26},   {"playpaus.bmp", 42, 9},
                 {"FontSmall.bmp", 264, 65},   {"numbers.bmp", 128, 13},
                 {"eqmain.bmp", 313, 346},     {"visuals.bmp", 416, 99},
                 {"Playlist.bmp", 310, 216}};
  for (const auto& bitmap : bitmaps)
    WritePatternBitmap(folder + "/" + bitmap.name, bitmap.w, bitmap.h, marker);
  WriteBytes(folder + "/Playlist.txt", "[Text]\r\nNormal=#00FF00\r\nCurrent=#FFFFFF\r\n");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(bytes);
}

namespace {

void Put16(QByteArray& out, int v) {
  char b[2];
  qToLittleEndian<uint16_t>(static_cast<uint16_t>(v), b);
  out.append(b, 2);
}

void Put32(QByteArray& out, int64_t v) {
  char b[4];
  qToLittleEndian<uint32_t>(static_cast<uint32_t>(v), b);
  out.append(b, 4);
}

}  // namespace

void WriteCursorFile(const QString& path, int hotX, int hotY) {
  constexpr int kSide = 32;
  QByteArray image;
  Put32(image, 40);
  Put32(image, kSide);
  Put32(image, 2 * kSide);  // colour rows and mask rows
  Put16(image, 1);
  Put16(image, 32);
  for (int i = 0; i < 6; ++i) Put32(image, 0);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) Put32(image, 0xFF000000u | (x == hotX ? 0xFF0000 : 0x00FF00));
  image.append(QByteArray(kSide * 4, '\0'));  // AND mask: all opaque

  QByteArray file;
  Put16(file, 0);
  Put16(file, 2);
  Put16(file, 1);
  file.append(char(kSide));
  file.append(char(kSide));
  file.append(char(0));
  file.append(char(0));
  Put16(file, hotX);
  Put16(file, hotY);
  Put32(file, image.size());
  Put32(file, 22);
  file.append(image);
  WriteBytes(path, file);
}

QRgb Numbered(int k) { return qRgb(k, 255 - k, 100); }

PlatformUi::ImageList NumberedSprites(int count, int w, int h) {
  PlatformUi::ImageList list(w, h);
  for (int k = 0; k < count; ++k) {
    QImage sprite(w, h, QImage::Format_ARGB32);
    sprite.fill(Numbered(k));
    list.Add(sprite);
  }
  return list;
}

std::vector<int> CellsAt(const QImage& canvas, const std::vector<int>& xs, int y) {
  std::vector<int> cells;
  for (int x : xs) {
    const QRgb p = canvas.pixel(x, y);
    cells.push_back(qAlpha(p) == 0 ? -1 : qRed(p));
  }
  return cells;
}

}  // namespace SkinTests
