#include "BitmapText.h"

#include <QPainter>

#include <optional>

namespace GeneralFunctions {

uint8_t SkinIsWinamp = 0;

namespace {

constexpr int kWinampBlankCell = 30;
constexpr int kWinampAtCell = 27;

int WinampCell(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c - u'A';
  if (c >= u'a' && c <= u'z') return c - u'a';
  if (c >= u'0' && c <= u'9') return 31 + (c - u'0');
  static const QString punctuation1 = QStringLiteral(".:()-'!");
  static const QString punctuation2 = QStringLiteral("+\\/[]^&%,=$#");
  if (const auto i = punctuation1.indexOf(QChar(c)); i >= 0) return 42 + static_cast<int>(i);
  if (const auto i = punctuation2.indexOf(QChar(c)); i >= 0) return 50 + static_cast<int>(i);
  switch (c) {
    case u'"': return 26;
    case u'@': return kWinampAtCell;
    case u'*': return 66;
    default: return kWinampBlankCell;
  }
}

// The number-sprite cell of a character: digits, then blank/plus and minus.
int NumberCell(QChar c) {
  if (c == u' ' || c == u'+') return 10;
  if (c == u'-') return 11;
  return c.unicode() - u'0';
}

enum class ColonRule { Skipped, DrawnAsCell13 };

// The cells of one text, drawn into a canvas. The deck draws its texts
// several times a second: an opaque cell is copied, and the one painter the
// others share is set up only when a cell needs it (setting one up for each
// character cost more than the drawing). A cell the list does not hold draws
// nothing.
class CellWriter {
 public:
  explicit CellWriter(QImage& canvas) : canvas(canvas) {}

  void Draw(const PlatformUi::ImageList& list, int x, int y, int cell) {
    if (list.CopyOpaque(canvas, x, y, cell)) return;
    const QImage sprite = list.Sprite(cell);
    if (sprite.isNull()) return;
    if (!painter) painter.emplace(&canvas);
    painter->drawImage(x, y, sprite);
  }

 private:
  QImage& canvas;
  std::optional<QPainter> painter;
};

void DrawDigitsInto(QImage& canvas, const QString& text, int minLength, int gap, int x, int y,
                    const PlatformUi::ImageList& numbers, bool showBlanks, ColonRule colonRule) {
  CellWriter cells(canvas);
  int advance = 0;
  for (const QChar c : text.rightJustified(minLength, u' ')) {
    int cell = NumberCell(c);
    bool drawn = !(c == u' ' && !showBlanks);
    if (c == u':') {
      if (colonRule == ColonRule::Skipped) {
        advance -= gap;
        drawn = false;
      } else {
        cell = 13;
      }
    }
    if (c == u'?' && colonRule == ColonRule::DrawnAsCell13) drawn = false;
    if (drawn) {
      cells.Draw(numbers, x + advance, y, cell);
      advance += gap;
    }
    advance += numbers.Width();
  }
}

void DrawDigits(const QString& text, int minLength, int gap, int x, int y,
                const PlatformUi::ImageList& numbers, PlatformUi::PaintBox& box, bool showBlanks,
                ColonRule colonRule) {
  DrawDigitsInto(box.Canvas(), text, minLength, gap, x, y, numbers, showBlanks, colonRule);
  box.Changed();
}

}  // namespace

int CharacterCell(QChar character) {
  if (SkinIsWinamp == 1) return WinampCell(character.unicode());
  return character.unicode() - 32;
}

void DrawBitmapTextInto(QImage& canvas, const QString& text, int cells, int x, int y,
                        const PlatformUi::ImageList& font) {
  CellWriter writer(canvas);
  int advance = 0;
  for (int i = 0; i < cells; ++i) {
    const QChar c = i < text.size() ? text[i] : QChar(u' ');
    const int cell = CharacterCell(c);
    if (SkinIsWinamp == 1 && c == u'@') {
      writer.Draw(font, x + advance, y, kWinampAtCell);
      advance += font.Width();
      writer.Draw(font, x + advance, y, kWinampAtCell + 1);
    } else {
      writer.Draw(font, x + advance, y, cell);
    }
    advance += font.Width();
  }
}

void DrawBitmapText(const QString& text, int cells, int x, int y,
                    const PlatformUi::ImageList& font, PlatformUi::PaintBox& box) {
  DrawBitmapTextInto(box.Canvas(), text, cells, x, y, font);
  box.Changed();
}

void DrawNumberText(const QString& text, int minLength, int gap, int x, int y,
                    const PlatformUi::ImageList& numbers, PlatformUi::PaintBox& box,
                    bool showBlanks) {
  DrawDigits(text, minLength, gap, x, y, numbers, box, showBlanks, ColonRule::Skipped);
}

void DrawTimeText(const QString& text, int minLength, int gap, int x, int y,
                  const PlatformUi::ImageList& numbers, PlatformUi::PaintBox& box,
                  bool showBlanks) {
  DrawDigits(text, minLength, gap, x, y, numbers, box, showBlanks, ColonRule::DrawnAsCell13);
}

}  // namespace GeneralFunctions
