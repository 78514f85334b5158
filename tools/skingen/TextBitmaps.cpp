#include <QPainter>

#include "SkinBitmaps.h"
#include "SkinFonts.h"
#include "SkinPainting.h"
#include "SkinPalette.h"

namespace SkinGen {

namespace {

constexpr int CellWidth = 8;
constexpr int CellHeight = 13;

QImage GlyphCell(const QString& text, const QFont& font, int baseline, const QColor& colour) {
  QImage cell = NewBitmap(CellWidth, CellHeight, Palette::Display);
  QPainter painter(&cell);
  painter.setFont(font);
  painter.setPen(colour);
  const int advance = QFontMetrics(font).horizontalAdvance(text);
  painter.drawText((CellWidth - advance + 1) / 2, baseline, text);
  return cell;
}

// Rows of the font sheet: first character code and number of cells.
struct FontRow {
  int firstCode;
  int cells;
};
constexpr FontRow FontRows[] = {{32, 33}, {65, 26}, {91, 6}, {97, 26}, {123, 4}};

QImage FontSheet() {
  QImage sheet = NewBitmap(33 * CellWidth, 5 * CellHeight, Palette::Display);
  int y = 0;
  for (const FontRow& row : FontRows) {
    for (int i = 0; i < row.cells; ++i) Place(sheet, TextCell(QChar(row.firstCode + i)), i * CellWidth, y);
    y += CellHeight;
  }
  return sheet;
}

// 16 cells: digits 0-9, blank (also "+"), minus, blank, colon, blank, blank.
QImage NumberSheet() {
  QImage sheet = NewBitmap(16 * CellWidth, CellHeight, Palette::Display);
  const QFont font = DisplayFont(13);
  for (int digit = 0; digit <= 9; ++digit) {
    Place(sheet, GlyphCell(QString::number(digit), font, 11, Palette::DisplayBright), digit * CellWidth, 0);
  }
  QPainter painter(&sheet);
  painter.fillRect(11 * CellWidth + 1, 6, 6, 2, Palette::DisplayBright);  // minus
  painter.fillRect(13 * CellWidth + 3, 3, 2, 2, Palette::DisplayBright);  // colon
  painter.fillRect(13 * CellWidth + 3, 8, 2, 2, Palette::DisplayBright);
  return sheet;
}

}  // namespace

QImage TextCell(QChar character) { return GlyphCell(QString(character), DisplayFont(11), 10, Palette::DisplayText); }

void DrawCellText(QPainter& painter, int x, int y, const QString& text) {
  for (const QChar c : text) {
    painter.drawImage(x, y, TextCell(c));
    x += CellWidth;
  }
}

void Place(QImage& sheet, const QImage& sprite, int x, int y) {
  QPainter painter(&sheet);
  painter.drawImage(x, y, sprite);
}

std::vector<NamedBitmap> TextBitmaps() {
  return {{QStringLiteral("FontSmall.bmp"), FontSheet()}, {QStringLiteral("numbers.bmp"), NumberSheet()}};
}

}  // namespace SkinGen
