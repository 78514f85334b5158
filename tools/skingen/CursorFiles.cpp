#include "CursorFiles.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include "SkinPalette.h"

namespace SkinGen {

namespace {

constexpr int CursorSize = 32;

enum class Badge { None, Menu, Minimize, Close, Window, Text };
enum class Shape { Arrow, Move, Horizontal, Vertical, Diagonal };

QPainterPath ArrowPath() {
  QPainterPath path;
  path.moveTo(0.5, 0.5);
  path.lineTo(0.5, 17.5);
  path.lineTo(4.5, 13.5);
  path.lineTo(7.5, 20.5);
  path.lineTo(10.5, 19.5);
  path.lineTo(7.5, 12.5);
  path.lineTo(12.5, 12.5);
  path.closeSubpath();
  return path;
}

// A double-headed arrow along the x axis through the origin, length 2 x reach.
QPainterPath DoubleArrowPath(double reach) {
  QPainterPath path;
  path.moveTo(-reach, 0);
  path.lineTo(-reach + 5, -5);
  path.lineTo(-reach + 5, -2);
  path.lineTo(reach - 5, -2);
  path.lineTo(reach - 5, -5);
  path.lineTo(reach, 0);
  path.lineTo(reach - 5, 5);
  path.lineTo(reach - 5, 2);
  path.lineTo(-reach + 5, 2);
  path.lineTo(-reach + 5, 5);
  path.closeSubpath();
  return path;
}

void DrawOutlined(QPainter& painter, const QPainterPath& path) {
  painter.setPen(QPen(Palette::ChassisDark, 1.0));
  painter.setBrush(QColor(0xf4, 0xf6, 0xfa));
  painter.drawPath(path);
}

void DrawBadge(QPainter& painter, Badge badge) {
  if (badge == Badge::None) return;
  const QRect box(14, 16, 11, 11);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(box, Palette::ChassisDark);
  painter.fillRect(box.adjusted(1, 1, -1, -1), Palette::Amber);
  const QColor ink = Palette::ChassisDark;
  switch (badge) {
    case Badge::Menu:
      for (int row = 0; row < 3; ++row) painter.fillRect(17, 18 + 3 * row, 5, 1, ink);
      break;
    case Badge::Minimize:
      painter.fillRect(17, 23, 5, 2, ink);
      break;
    case Badge::Close:
      for (int i = 0; i < 5; ++i) {
        painter.fillRect(17 + i, 19 + i, 1, 1, ink);
        painter.fillRect(21 - i, 19 + i, 1, 1, ink);
      }
      break;
    case Badge::Window:
      painter.fillRect(17, 19, 5, 5, ink);
      painter.fillRect(18, 21, 3, 2, Palette::Amber);
      break;
    case Badge::Text:
      painter.fillRect(17, 19, 5, 1, ink);
      painter.fillRect(19, 19, 1, 6, ink);
      break;
    case Badge::None:
      break;
  }
}

NamedCursor MakeCursor(const char* fileName, Shape shape, Badge badge) {
  QImage image(CursorSize, CursorSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPoint hotSpot(15, 15);
  painter.translate(15.5, 15.5);
  switch (shape) {
    case Shape::Arrow:
      painter.resetTransform();
      DrawOutlined(painter, ArrowPath());
      hotSpot = QPoint(0, 0);
      break;
    case Shape::Horizontal:
      DrawOutlined(painter, DoubleArrowPath(11));
      break;
    case Shape::Vertical:
      painter.rotate(90);
      DrawOutlined(painter, DoubleArrowPath(11));
      break;
    case Shape::Diagonal:
      painter.rotate(45);
      DrawOutlined(painter, DoubleArrowPath(11));
      break;
    case Shape::Move: {
      QPainterPath cross = DoubleArrowPath(11);
      QTransform turn;
      turn.rotate(90);
      cross = cross.united(turn.map(DoubleArrowPath(11)));
      DrawOutlined(painter, cross);
      break;
    }
  }
  painter.resetTransform();
  DrawBadge(painter, badge);
  painter.end();
  return {QString::fromLatin1(fileName), image, hotSpot};
}

void AppendLE16(QByteArray& data, quint16 value) {
  char bytes[2];
  qToLittleEndian(value, bytes);
  data.append(bytes, 2);
}

void AppendLE32(QByteArray& data, quint32 value) {
  char bytes[4];
  qToLittleEndian(value, bytes);
  data.append(bytes, 4);
}

}  // namespace

std::vector<NamedCursor> SkinCursors() {
  return {
      MakeCursor("Normal.Cur", Shape::Arrow, Badge::None),
      MakeCursor("MainMenu.Cur", Shape::Arrow, Badge::Menu),
      MakeCursor("Min.Cur", Shape::Arrow, Badge::Minimize),
      MakeCursor("Close.Cur", Shape::Arrow, Badge::Close),
      MakeCursor("WinBut.Cur", Shape::Arrow, Badge::Window),
      MakeCursor("TitleBar.Cur", Shape::Move, Badge::None),
      MakeCursor("PosBar.Cur", Shape::Horizontal, Badge::None),
      MakeCursor("VolBal.Cur", Shape::Move, Badge::None),
      MakeCursor("SongName.Cur", Shape::Arrow, Badge::Text),
      MakeCursor("EQNormal.Cur", Shape::Arrow, Badge::None),
      MakeCursor("EQClose.Cur", Shape::Arrow, Badge::Close),
      MakeCursor("EQTitle.Cur", Shape::Move, Badge::None),
      MakeCursor("EQSlid.Cur", Shape::Vertical, Badge::None),
      MakeCursor("PNormal.Cur", Shape::Arrow, Badge::None),
      MakeCursor("PClose.Cur", Shape::Arrow, Badge::Close),
      MakeCursor("PWinBut.Cur", Shape::Arrow, Badge::Window),
      MakeCursor("PTBar.Cur", Shape::Move, Badge::None),
      MakeCursor("PVScroll.Cur", Shape::Vertical, Badge::None),
      MakeCursor("PSize.Cur", Shape::Diagonal, Badge::None),
      MakeCursor("PWSNorm.Cur", Shape::Arrow, Badge::None),
      MakeCursor("PWSSize.Cur", Shape::Diagonal, Badge::None),
      MakeCursor("WSClose.Cur", Shape::Arrow, Badge::Close),
      MakeCursor("WSMin.Cur", Shape::Arrow, Badge::Minimize),
      MakeCursor("WSNormal.Cur", Shape::Arrow, Badge::None),
      MakeCursor("WSPosBar.Cur", Shape::Horizontal, Badge::None),
      MakeCursor("WSWinBut.Cur", Shape::Arrow, Badge::Window),
  };
}

QByteArray EncodeCursorFile(const QImage& source, QPoint hotSpot) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int width = image.width();
  const int height = image.height();
  const int maskStride = ((width + 31) / 32) * 4;
  const quint32 pixelBytes = static_cast<quint32>(width * height * 4);
  const quint32 maskBytes = static_cast<quint32>(maskStride * height);
  constexpr quint32 HeaderBytes = 6 + 16;
  constexpr quint32 InfoBytes = 40;

  QByteArray data;
  AppendLE16(data, 0);  // reserved
  AppendLE16(data, 2);  // cursor resource
  AppendLE16(data, 1);  // one image
  data.append(static_cast<char>(width));
  data.append(static_cast<char>(height));
  data.append('\0');  // no palette
  data.append('\0');
  AppendLE16(data, static_cast<quint16>(hotSpot.x()));
  AppendLE16(data, static_cast<quint16>(hotSpot.y()));
  AppendLE32(data, InfoBytes + pixelBytes + maskBytes);
  AppendLE32(data, HeaderBytes);

  AppendLE32(data, InfoBytes);
  AppendLE32(data, static_cast<quint32>(width));
  AppendLE32(data, static_cast<quint32>(2 * height));  // colour rows and mask rows
  AppendLE16(data, 1);
  AppendLE16(data, 32);
  AppendLE32(data, 0);  // uncompressed
  AppendLE32(data, pixelBytes + maskBytes);
  for (int i = 0; i < 4; ++i) AppendLE32(data, 0);

  for (int y = height - 1; y >= 0; --y) {  // rows bottom-up
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) AppendLE32(data, row[x]);  // B, G, R, A in memory order
  }
  for (int y = height - 1; y >= 0; --y) {
    QByteArray maskRow(maskStride, '\0');
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      if (qAlpha(row[x]) == 0) maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
    }
    data.append(maskRow);
  }
  return data;
}

}  // namespace SkinGen
