#include "TinyFont.h"

#include <map>
#include <vector>

namespace SkinGen {

namespace {

using Glyph = std::vector<const char*>;  // five rows, '#' lit

const std::map<QChar, Glyph>& Glyphs() {
  static const std::map<QChar, Glyph> glyphs{
      {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#", "##", ".#", ".#", ".#"}},
      {'2', {"###", "..#", "###", "#..", "###"}}, {'3', {"###", "..#", ".##", "..#", "###"}},
      {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "###", "..#", "###"}},
      {'6', {"###", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
      {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "###"}},
      {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'B', {"##.", "#.#", "##.", "#.#", "##."}},
      {'C', {".##", "#..", "#..", "#..", ".##"}}, {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
      {'E', {"###", "#..", "##.", "#..", "###"}}, {'F', {"###", "#..", "##.", "#..", "#.."}},
      {'G', {".##", "#..", "#.#", "#.#", ".##"}}, {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
      {'I', {"###", ".#.", ".#.", ".#.", "###"}}, {'J', {"..#", "..#", "..#", "#.#", ".#."}},
      {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}}, {'L', {"#..", "#..", "#..", "#..", "###"}},
      {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}}, {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
      {'O', {".#.", "#.#", "#.#", "#.#", ".#."}}, {'P', {"##.", "#.#", "##.", "#..", "#.."}},
      {'Q', {".#.", "#.#", "#.#", "#.#", ".##"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
      {'S', {".##", "#..", ".#.", "..#", "##."}}, {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
      {'U', {"#.#", "#.#", "#.#", "#.#", "###"}}, {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
      {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#"}}, {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
      {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}}, {'Z', {"###", "..#", ".#.", "#..", "###"}},
      {'+', {"...", ".#.", "###", ".#.", "..."}}, {'-', {"...", "...", "###", "...", "..."}},
      {'.', {".", ".", ".", ".", "#"}},           {'/', {"..#", "..#", ".#.", "#..", "#.."}},
      {':', {".", "#", ".", "#", "."}},
      {' ', {"..", "..", "..", "..", ".."}},
  };
  return glyphs;
}

const Glyph& GlyphOf(QChar c) {
  const auto& glyphs = Glyphs();
  const auto found = glyphs.find(c.toUpper());
  return found != glyphs.end() ? found->second : glyphs.at(' ');
}

int GlyphWidth(const Glyph& glyph) { return static_cast<int>(std::char_traits<char>::length(glyph[0])); }

}  // namespace

int TinyTextWidth(const QString& text) {
  int width = 0;
  for (const QChar c : text) width += GlyphWidth(GlyphOf(c)) + 1;
  return text.isEmpty() ? 0 : width - 1;
}

void DrawTinyText(QPainter& painter, int x, int y, const QString& text, const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const QChar c : text) {
    const Glyph& glyph = GlyphOf(c);
    for (int row = 0; row < 5; ++row) {
      for (int column = 0; glyph[row][column] != '\0'; ++column) {
        if (glyph[row][column] == '#') painter.fillRect(x + column, y + row, 1, 1, colour);
      }
    }
    x += GlyphWidth(glyph) + 1;
  }
  painter.restore();
}

void DrawCentredTinyText(QPainter& painter, int centreX, int y, const QString& text, const QColor& colour) {
  DrawTinyText(painter, centreX - TinyTextWidth(text) / 2, y, text, colour);
}

}  // namespace SkinGen
