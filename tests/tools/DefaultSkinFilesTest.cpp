// The generated default skin's file set, cursors and playlist colours, and
// that the generator draws the same skin every time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QtEndian>

#include "DefaultSkinLayout.h"
#include "support/TestEnvironment.h"

namespace {

const QStringList& CursorFileNames() {
  static const QStringList names{
      "Normal.Cur",  "MainMenu.Cur", "Min.Cur",     "Close.Cur",    "WinBut.Cur",   "TitleBar.Cur", "PosBar.Cur",
      "VolBal.Cur",  "SongName.Cur", "EQNormal.Cur", "EQClose.Cur", "EQTitle.Cur",  "EQSlid.Cur",   "PNormal.Cur",
      "PClose.Cur",  "PWinBut.Cur",  "PTBar.Cur",   "PVScroll.Cur", "PSize.Cur",    "PWSNorm.Cur",  "PWSSize.Cur",
      "WSClose.Cur", "WSMin.Cur",    "WSNormal.Cur", "WSPosBar.Cur", "WSWinBut.Cur"};
  return names;
}

QByteArray ReadSkinFile(const QString& name) {
  QFile file(SkinLayout::DefaultSkinFolder() + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 U16(const QByteArray& data, int offset) { return qFromLittleEndian<quint16>(data.constData() + offset); }
quint32 U32(const QByteArray& data, int offset) { return qFromLittleEndian<quint32>(data.constData() + offset); }

struct ParsedCursor {
  QPoint hotSpot;
  QImage image;  // ARGB with the mask applied
  bool maskMatchesAlpha = true;
};

// Reads a single-image 32-bit cursor file, checking the container as it goes.
ParsedCursor ParseCursor(const QByteArray& data, const QString& name) {
  ParsedCursor cursor;
  const std::string what = name.toStdString();
  EXPECT_GE(data.size(), 22 + 40) << what;
  if (data.size() < 22 + 40) return cursor;
  EXPECT_EQ(U16(data, 0), 0) << what;
  EXPECT_EQ(U16(data, 2), 2) << what << " is not a cursor resource";
  EXPECT_EQ(U16(data, 4), 1) << what;
  const int width = static_cast<unsigned char>(data[6]);
  const int height = static_cast<unsigned char>(data[7]);
  cursor.hotSpot = QPoint(U16(data, 10), U16(data, 12));
  const quint32 size = U32(data, 14);
  const quint32 offset = U32(data, 18);
  EXPECT_EQ(offset + size, static_cast<quint32>(data.size())) << what;
  EXPECT_EQ(U32(data, offset), 40u) << what;
  EXPECT_EQ(static_cast<int>(U32(data, offset + 4)), width) << what;
  EXPECT_EQ(static_cast<int>(U32(data, offset + 8)), 2 * height) << what;
  EXPECT_EQ(U16(data, offset + 14), 32) << what;
  const int maskStride = (width + 31) / 32 * 4;
  EXPECT_EQ(size, 40u + static_cast<quint32>(width * height * 4 + maskStride * height)) << what;
  if (offset + size != static_cast<quint32>(data.size())) return cursor;

  cursor.image = QImage(width, height, QImage::Format_ARGB32);
  const int pixels = static_cast<int>(offset) + 40;
  const int mask = pixels + width * height * 4;
  for (int row = 0; row < height; ++row) {
    const int y = height - 1 - row;  // stored bottom-up
    for (int x = 0; x < width; ++x) {
      const QRgb colour = U32(data, pixels + (row * width + x) * 4);
      const bool transparent = (static_cast<unsigned char>(data[mask + row * maskStride + x / 8]) >> (7 - x % 8)) & 1;
      if (transparent != (qAlpha(colour) == 0)) cursor.maskMatchesAlpha = false;
      cursor.image.setPixel(x, y, colour);
    }
  }
  return cursor;
}

// The colour a key sets when the skin's playlist text is read: upper-cased
// line, six hex digits after "#" as RRGGBB.
std::optional<QColor> ColourOfKey(const QStringList& lines, const QString& key) {
  std::optional<QColor> colour;
  for (const QString& line : lines) {
    const QString upper = line.toUpper();
    if (!upper.contains(key)) continue;
    const QString digits = upper.mid(upper.indexOf('#') + 1, 6);
    bool ok = false;
    const uint rgb = digits.toUInt(&ok, 16);
    EXPECT_TRUE(ok && digits.size() == 6) << line.toStdString();
    colour = QColor::fromRgb(rgb);
  }
  return colour;
}

double Luminance(const QColor& colour) {
  return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF();
}

TEST(DefaultSkinFiles, SkinHoldsEveryFileTheLoaderReads) {
  QStringList expected = CursorFileNames();
  expected << "Playlist.txt" << "Readme.txt";
  for (const auto& entry : SkinLayout::CutRectangles()) expected << entry.first;
  const QStringList present = QDir(SkinLayout::DefaultSkinFolder()).entryList(QDir::Files);
  for (const QString& name : expected) EXPECT_TRUE(present.contains(name)) << name.toStdString() << " is missing";
  // The native format is recognised by its deck bitmap; a Winamp marker would be misleading.
  EXPECT_FALSE(present.contains("Main.bmp", Qt::CaseInsensitive));
}

TEST(DefaultSkinFiles, CursorsParseWithTheirHotSpotOnTheShape) {
  for (const QString& name : CursorFileNames()) {
    const QByteArray data = ReadSkinFile(name);
    const ParsedCursor cursor = ParseCursor(data, name);
    ASSERT_FALSE(cursor.image.isNull()) << name.toStdString();
    EXPECT_TRUE(cursor.maskMatchesAlpha) << name.toStdString() << ": mask and alpha disagree";
    ASSERT_TRUE(cursor.image.rect().contains(cursor.hotSpot)) << name.toStdString();
    EXPECT_GT(qAlpha(cursor.image.pixel(cursor.hotSpot)), 0) << name.toStdString() << ": hot spot off the shape";
    // A standard reader takes the file as well.
    QImage decoded;
    EXPECT_TRUE(decoded.loadFromData(data, "cur")) << name.toStdString();
    EXPECT_EQ(decoded.size(), cursor.image.size());
  }
  // Pointers point with their tip, sizing and moving cursors act from the middle.
  EXPECT_EQ(ParseCursor(ReadSkinFile("Normal.Cur"), "Normal.Cur").hotSpot, QPoint(0, 0));
  EXPECT_EQ(ParseCursor(ReadSkinFile("PSize.Cur"), "PSize.Cur").hotSpot, QPoint(15, 15));
}

TEST(DefaultSkinFiles, PlaylistColoursParseAndStayLegible) {
  const QStringList lines = QString::fromUtf8(ReadSkinFile("Playlist.txt")).split(QRegularExpression("\r\n|\n"));
  const auto normal = ColourOfKey(lines, "NORMAL=");
  const auto current = ColourOfKey(lines, "CURRENT=");
  const auto background = ColourOfKey(lines, "NORMALBG=");
  const auto selected = ColourOfKey(lines, "SELECTEDBG=");
  ASSERT_TRUE(normal && current && background && selected);
  EXPECT_GT(Luminance(*normal) - Luminance(*background), 0.4);
  EXPECT_GT(Luminance(*current) - Luminance(*selected), 0.4);
  EXPECT_GT(Luminance(*normal) - Luminance(*selected), 0.4);
  EXPECT_NE(*current, *normal);
  EXPECT_NE(*selected, *background);

  QString font;
  for (const QString& line : lines) {
    if (line.toUpper().contains("FONT=")) font = line.toUpper().mid(line.indexOf('=') + 1, 20);
  }
  ASSERT_FALSE(font.isEmpty());
  EXPECT_TRUE(QFontDatabase::families().contains(font, Qt::CaseInsensitive)) << font.toStdString();
}

TEST(DefaultSkinFiles, GeneratorDrawsTheSameSkinEveryTime) {
  const QString folder = TestSupport::ProgramFolder() + "again";
  QProcess generator;
  generator.start(QStringLiteral(SOLVANE_SKINGEN_PATH), {folder, QStringLiteral(SOLVANE_DEJAVU_FOLDER)});
  ASSERT_TRUE(generator.waitForFinished(60000));
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  const QStringList built = QDir(SkinLayout::DefaultSkinFolder()).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name), built);
  for (const QString& name : built) {
    QFile again(folder + "/" + name);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), ReadSkinFile(name)) << name.toStdString() << " differs between runs";
  }
}

TEST(DefaultSkinFiles, GeneratorFailsLoudlyWithoutItsFonts) {
  QProcess generator;
  generator.start(QStringLiteral(SOLVANE_SKINGEN_PATH), {TestSupport::ProgramFolder() + "skin", TestSupport::ProgramFolder()});
  ASSERT_TRUE(generator.waitForFinished(60000));
  EXPECT_NE(generator.exitCode(), 0);
  EXPECT_TRUE(generator.readAllStandardError().contains("font"));
}

}  // namespace
