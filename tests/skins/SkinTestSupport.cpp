#include "SkinTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <zip.h>

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

const std::vector<SkinFileSize>& WinampSkinFiles() {
  static const std::vector<SkinFileSize> files = {
      {"main.bmp", 275, 116},    {"cbuttons.bmp", 136, 36}, {"titlebar.bmp", 344, 87},
      {"shufrep.bmp", 92, 85},   {"volume.bmp", 68, 433},   {"balance.bmp", 47, 433},
      {"posbar.bmp", 307, 10},   {"monoster.bmp", 56, 24},  {"playpaus.bmp", 42, 9},
      {"text.bmp", 155, 18},     {"numbers.bmp", 99, 13},   {"nums_ex.bmp", 108, 13},
      {"eqmain.bmp", 275, 315},  {"pledit.bmp", 280, 186},  {"pledit.txt", 0, 0},
      {"viscolor.txt", 0, 0}};
  return files;
}

void WriteWinampSkin(const QString& folder, int marker, bool upperCase) {
  QDir().mkpath(folder);
  for (const SkinFileSize& file : WinampSkinFiles()) {
    const QString name = upperCase ? QString(file.name).toUpper() : QString(file.name);
    if (file.w > 0) WritePatternBitmap(folder + "/" + name, file.w, file.h, marker);
  }
  const QString pledit = upperCase ? "/PLEDIT.TXT" : "/pledit.txt";
  WriteBytes(folder + pledit, QStringLiteral("[Text]\r\nNormal=#00FF%1\r\nNormalBG=#000000\r\n")
                                  .arg(marker, 2, 16, QChar(u'0'))
                                  .toLatin1());
  QByteArray vis;
  for (int line = 0; line < 24; ++line) vis += QByteArray::number(line) + "," + QByteArray::number(marker) + ",0,\n";
  WriteBytes(folder + (upperCase ? "/VISCOLOR.TXT" : "/viscolor.txt"), vis);
}

QRgb PaletteColour(int entry) { return qRgb(entry, 255 - entry, (entry * 7) % 256); }

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

QByteArray EightBitBitmap(int w, int h, bool rle) {
  QByteArray pixels;
  for (int y = h - 1; y >= 0; --y) {  // bottom-up rows
    if (rle) {
      for (int x = 0; x < w; ++x) {
        pixels.append(char(1));
        pixels.append(char((x + 2 * y) % 256));
      }
      pixels.append(char(0));
      pixels.append(char(0));  // end of line
    } else {
      for (int x = 0; x < w; ++x) pixels.append(char((x + 2 * y) % 256));
      while (pixels.size() % 4) pixels.append(char(0));
    }
  }
  if (rle) pixels.append(QByteArray("\0\1", 2));  // end of bitmap
  QByteArray info;
  Put32(info, 40);
  Put32(info, w);
  Put32(info, h);
  Put16(info, 1);
  Put16(info, 8);
  Put32(info, rle ? 1 : 0);
  Put32(info, pixels.size());
  Put32(info, 2835);
  Put32(info, 2835);
  Put32(info, 256);
  Put32(info, 0);
  for (int entry = 0; entry < 256; ++entry) {
    const QRgb c = PaletteColour(entry);
    info.append(char(qBlue(c)));
    info.append(char(qGreen(c)));
    info.append(char(qRed(c)));
    info.append(char(0));
  }
  QByteArray file("BM");
  Put32(file, 14 + info.size() + pixels.size());
  Put32(file, 0);
  Put32(file, 14 + info.size());
  return file + info + pixels;
}

QByteArray ZipArchive(const std::vector<std::pair<QString, QByteArray>>& files) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
  zip_source_keep(target);
  zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
  for (const auto& [name, bytes] : files) {
    zip_source_t* data = zip_source_buffer(archive, bytes.constData(), zip_uint64_t(bytes.size()), 0);
    // A name the archive already holds is refused, and the data stays ours.
    if (zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) < 0) zip_source_free(data);
  }
  zip_close(archive);
  QByteArray out;
  zip_stat_t stat;
  zip_source_stat(target, &stat);
  zip_source_open(target);
  out.resize(qsizetype(stat.size));
  zip_source_read(target, out.data(), stat.size);
  zip_source_close(target);
  zip_source_free(target);
  zip_error_fini(&error);
  return out;
}

std::vector<std::pair<QString, QByteArray>> FolderFiles(const QString& folder, const QString& prefix) {
  std::vector<std::pair<QString, QByteArray>> files;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files)) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::ReadOnly);
    files.emplace_back(prefix + name, file.readAll());
  }
  return files;
}

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
