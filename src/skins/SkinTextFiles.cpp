#include "SkinTextFiles.h"

#include <cctype>
#include <optional>

#include "skins/SkinLoading.h"

namespace SkinUnit {

PlaylistColourSettings PlaylistColours;
VisColourSettings VisColours;

namespace {

constexpr int kMaxFontNameLength = 20;

// RRGGBB from up to 8 characters after the line's first "#" (or its start).
std::optional<QColor> HexColour(const QString& upperLine) {
  const auto hash = upperLine.indexOf(u'#');
  const QString digits = upperLine.mid(hash + 1, 8).left(6);
  if (digits.size() < 6) return std::nullopt;
  for (const QChar c : digits) {
    if (!isxdigit(c.toLatin1())) return std::nullopt;
  }
  const uint rgb = digits.toUInt(nullptr, 16);
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

void ApplyColourKey(const QString& upperLine, const QString& key, QColor& target) {
  if (!upperLine.contains(key)) return;
  if (auto colour = HexColour(upperLine)) target = *colour;
}

// One colour component: the token up to the separator, up to its first
// blank, in decimal; a number of 256 or more loses
// its last digit (a stray extra digit).
std::optional<int> Component(const QString& token) {
  const QString number = token.section(u' ', 0, 0);
  bool ok = false;
  int value = number.toInt(&ok);
  if (!ok || value < 0) return std::nullopt;
  if (value >= 256) value = number.chopped(1).toInt(&ok);
  if (!ok) return std::nullopt;
  return std::min(value, 255);
}

std::optional<QColor> VisColourLine(QString rest) {
  rest += u' ';
  int rgb[3];
  for (int& component : rgb) {
    // Blanks before a number are skipped, so "1, 2, 3" reads like "1,2,3".
    while (rest.startsWith(u' ')) rest.remove(0, 1);
    qsizetype separator = rest.indexOf(u',');
    if (separator < 0) separator = rest.indexOf(u'\t');
    if (separator < 0) separator = rest.indexOf(u' ');
    if (separator < 0) separator = rest.indexOf(u'/');
    if (separator < 0) return std::nullopt;
    const auto value = Component(rest.left(separator));
    if (!value) return std::nullopt;
    component = *value;
    rest.remove(0, separator + 1);
  }
  return QColor(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

VisColourSettings::VisColourSettings() {
  for (int i = 0; i < 16; ++i) Levels[static_cast<size_t>(i)] = QColor(16 * i, 255 - 8 * i, 0);
  for (int i = 0; i < 5; ++i) Scope[static_cast<size_t>(i)] = QColor(255 - 25 * i, 255 - 25 * i, 255 - 25 * i);
}

void ApplyPlaylistColourLine(const QString& line, PlaylistColourSettings& colours) {
  const QString upper = line.toUpper();
  ApplyColourKey(upper, QStringLiteral("NORMAL="), colours.Normal);
  ApplyColourKey(upper, QStringLiteral("CURRENT="), colours.Current);
  ApplyColourKey(upper, QStringLiteral("NORMALBG="), colours.NormalBG);
  ApplyColourKey(upper, QStringLiteral("SELECTEDBG="), colours.SelectedBG);
  if (upper.contains(QStringLiteral("FONT="))) {
    const QString name = upper.mid(upper.indexOf(u'=') + 1, kMaxFontNameLength);
    if (!name.isEmpty()) colours.FontName = name;
  }
  // "MBBG=" and "MBFG=" are read and discarded.
}

void ReadPlaylistColours(SkinFileSource& files, const QString& fileName) {
  const auto lines = files.Text(fileName);
  if (!lines) return;
  for (const QString& line : *lines) ApplyPlaylistColourLine(line, PlaylistColours);
}

VisColourSettings ParseVisColours(const QStringList& lines, const VisColourSettings& fallback) {
  VisColourSettings colours = fallback;
  const auto entry = [&](int lineIndex, QColor& target) {
    if (lineIndex >= lines.size()) return;
    if (auto colour = VisColourLine(lines[lineIndex])) target = *colour;
  };
  entry(0, colours.Background);
  entry(1, colours.Grid);
  for (int i = 0; i < 16; ++i) entry(2 + i, colours.Levels[static_cast<size_t>(15 - i)]);
  for (int i = 0; i < 5; ++i) entry(18 + i, colours.Scope[static_cast<size_t>(i)]);
  entry(23, colours.Peak);
  return colours;
}

void ReadVisColours(SkinFileSource& files) {
  const QString name = QStringLiteral("viscolor.txt");
  const VisColourSettings base = ParseVisColours(files.DefaultText(name).value_or(QStringList()));
  VisColours = ParseVisColours(files.OwnText(name).value_or(QStringList()), base);
}

}  // namespace SkinUnit
