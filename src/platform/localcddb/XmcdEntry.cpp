#include "XmcdEntry.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cstdint>
#include <limits>

#include "platform/ui/TextFile.h"

namespace LocalCDDB {

namespace {

// A line holds at most 256 bytes including its line end.
constexpr int MaxLineBytes = 254;

QString Escaped(QString value) {
  value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QString out;
  out.reserve(value.size());
  for (const QChar c : value) {
    if (c == '\\') out += QLatin1String("\\\\");
    else if (c == '\n') out += QLatin1String("\\n");
    else if (c == '\t') out += QLatin1String("\\t");
    else out += c;
  }
  return out;
}

QString Unescaped(const QString& value) {
  QString out;
  out.reserve(value.size());
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c != '\\' || i + 1 == value.size()) {
      out += c;
      continue;
    }
    const QChar next = value[++i];
    if (next == 'n') out += QLatin1Char('\n');
    else if (next == 't') out += QLatin1Char('\t');
    else if (next == '\\') out += QLatin1Char('\\');
    else out += QString(c) + next;
  }
  return out;
}

// Length in QChars of the unit starting at i that must not be split: an
// escape pair or a surrogate pair.
qsizetype UnitLength(const QString& text, qsizetype i) {
  if (i + 1 < text.size() && (text[i] == '\\' || text[i].isHighSurrogate())) return 2;
  return 1;
}

void AppendKeyword(QByteArray& out, const QString& key, const QString& value) {
  const QByteArray prefix = key.toLatin1() + '=';
  const QString escaped = Escaped(value);
  QByteArray line = prefix;
  for (qsizetype i = 0; i < escaped.size();) {
    const qsizetype length = UnitLength(escaped, i);
    const QByteArray unit = escaped.mid(i, length).toUtf8();
    if (line.size() + unit.size() > MaxLineBytes && line.size() > prefix.size()) {
      out += line + '\n';
      line = prefix;
    }
    line += unit;
    i += length;
  }
  out += line + '\n';
}

QString Decoded(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes);
}

// The first decimal number in a header comment, or -1.
int FirstNumber(const QString& text) {
  static const QRegularExpression number(QStringLiteral("\\d{1,9}"));
  const QRegularExpressionMatch match = number.match(text);
  return match.hasMatch() ? match.captured().toInt() : -1;
}

struct ParsedEntry {
  QList<int> offsets;
  int discSeconds = -1;
  int revision = 0;
  QHash<QString, QString> values;
};

bool ReadLines(const QStringList& lines, ParsedEntry& entry) {
  bool inOffsets = false;
  for (const QString& line : lines) {
    if (line.trimmed().isEmpty()) continue;
    if (line.startsWith(QLatin1Char('#'))) {
      const QString body = line.mid(1).trimmed();
      bool isNumber = false;
      const int value = body.toInt(&isNumber);
      if (inOffsets && isNumber) {
        entry.offsets.append(value);
        continue;
      }
      inOffsets = body.startsWith(QLatin1String("Track frame offsets"), Qt::CaseInsensitive);
      if (body.startsWith(QLatin1String("Disc length"), Qt::CaseInsensitive)) entry.discSeconds = FirstNumber(body);
      if (body.startsWith(QLatin1String("Revision"), Qt::CaseInsensitive)) entry.revision = qMax(0, FirstNumber(body));
      continue;
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0) return false;
    const QString key = line.left(equals).trimmed().toUpper();
    QString& value = entry.values[key];
    // Several ids of one entry are listed comma-separated over DISCID lines.
    if (key == QLatin1String("DISCID") && !value.isEmpty()) value += QLatin1Char(',');
    value += line.mid(equals + 1);
  }
  return true;
}

void FillToc(const ParsedEntry& entry, int titledTracks, CDTOCRecord& toc) {
  const int count = qMin<int>(entry.offsets.isEmpty() ? titledTracks : entry.offsets.size(), MaxTocTracks);
  toc.TrackCount = static_cast<uint8_t>(count);
  for (int i = 0; i < count; ++i) {
    if (i < entry.offsets.size()) SetEntryFrames(toc.Tracks[i], entry.offsets[i]);
    toc.Tracks[i].AudioFlag = -1;
  }
  // A length past what a table of contents holds is left out, not wrapped.
  const int64_t leadOut = int64_t{entry.discSeconds} * FramesPerSecond;
  if (leadOut > 0 && leadOut <= std::numeric_limits<int>::max())
    SetEntryFrames(toc.LeadOut, static_cast<int>(leadOut));
}

}  // namespace

bool IsValidDiscId(const QString& discId) {
  static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{8}$"));
  return pattern.match(discId).hasMatch();
}

QByteArray CreateXmcdEntry(const CDLibraryRecord& record, const QString& submittedVia) {
  const CDTOCRecord& toc = record.TOC;
  const int count = qMin<int>(toc.TrackCount, MaxTocTracks);
  QByteArray out = "# xmcd\n#\n# Track frame offsets:\n";
  for (int i = 0; i < count; ++i) out += "#\t" + QByteArray::number(EntryFrames(toc.Tracks[i])) + '\n';
  out += "#\n# Disc length: " + QByteArray::number(EntrySeconds(toc.LeadOut)) + " seconds\n#\n";
  out += "# Revision: " + QByteArray::number(record.Revision) + '\n';
  out += "# Submitted via: " + submittedVia.toUtf8() + "\n#\n";

  AppendKeyword(out, QStringLiteral("DISCID"), RecordText(record.DiscId).trimmed().toLower());
  AppendKeyword(out, QStringLiteral("DTITLE"),
                RecordText(record.Artist) + QLatin1String(" / ") + RecordText(record.Title));
  AppendKeyword(out, QStringLiteral("DYEAR"), RecordText(record.Year));
  AppendKeyword(out, QStringLiteral("DGENRE"), RecordText(record.Genre));
  for (int i = 0; i < count; ++i) {
    AppendKeyword(out, QStringLiteral("TTITLE%1").arg(i), RecordText(record.TrackTitles[i]));
  }
  AppendKeyword(out, QStringLiteral("EXTD"), RecordText(record.ExtendedData));
  for (int i = 0; i < count; ++i) {
    AppendKeyword(out, QStringLiteral("EXTT%1").arg(i), RecordText(record.TrackExtData[i]));
  }
  AppendKeyword(out, QStringLiteral("PLAYORDER"), QString());
  return out;
}

bool ParseXmcdEntry(const QByteArray& text, CDLibraryRecord& record) {
  ParsedEntry entry;
  if (!ReadLines(PlatformUi::SplitTextLines(Decoded(text)), entry)) return false;
  const QString discId = entry.values.value(QStringLiteral("DISCID")).section(QLatin1Char(','), 0, 0).trimmed();
  if (!IsValidDiscId(discId)) return false;

  auto value = [&entry](const QString& key) { return Unescaped(entry.values.value(key)); };
  SetRecordText(record.DiscId, discId.toLower());
  const QString discTitle = value(QStringLiteral("DTITLE"));
  const qsizetype separator = discTitle.indexOf(QLatin1String(" / "));
  // An entry without the separator names the artist and the title alike.
  SetRecordText(record.Artist, separator < 0 ? discTitle : discTitle.left(separator));
  SetRecordText(record.Title, separator < 0 ? discTitle : discTitle.mid(separator + 3));
  SetRecordText(record.Year, value(QStringLiteral("DYEAR")));
  SetRecordText(record.Genre, value(QStringLiteral("DGENRE")));
  SetRecordText(record.ExtendedData, value(QStringLiteral("EXTD")));
  int titledTracks = 0;
  for (int i = 0; i < RecordTracks; ++i) {
    const QString titleKey = QStringLiteral("TTITLE%1").arg(i);
    if (entry.values.contains(titleKey)) titledTracks = i + 1;
    SetRecordText(record.TrackTitles[i], value(titleKey));
    SetRecordText(record.TrackExtData[i], value(QStringLiteral("EXTT%1").arg(i)));
  }
  record.Revision = entry.revision;
  FillToc(entry, titledTracks, record.TOC);
  return true;
}

}  // namespace LocalCDDB
