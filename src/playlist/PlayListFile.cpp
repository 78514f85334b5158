#include "PlayListFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <cstring>

#include "platform/ui/FileDialogService.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"

namespace PlayListFile {

namespace {

constexpr qint64 kReadChunkBytes = 1024 * 1024;

constexpr char kPlayListFilter[] = "PLS PlayList (*.pls);;M3U PlayList (*.m3u)";

// Reads at most maxBytes, stopping at the first zero byte.
QByteArray ReadBytesUpToZero(QFile& file, qint64 maxBytes, ReadStatus& status) {
  QByteArray bytes;
  while (bytes.size() < maxBytes) {
    const QByteArray chunk = file.read(std::min(kReadChunkBytes, maxBytes - bytes.size()));
    if (chunk.isEmpty()) {
      if (!file.atEnd()) status = ReadStatus::Unreadable;
      return bytes;
    }
    const void* zero = std::memchr(chunk.constData(), 0, static_cast<size_t>(chunk.size()));
    if (zero != nullptr) {
      bytes.append(chunk.constData(), static_cast<const char*>(zero) - chunk.constData());
      return bytes;
    }
    bytes.append(chunk);
  }
  if (!file.atEnd()) status = ReadStatus::Truncated;
  return bytes;
}

// Cuts the bytes into lines (ended by CR LF, CR or LF; a last line without an
// end counts) and decodes each one, without decoding the whole file at once.
QStringList DecodeLines(const QByteArray& bytes) {
  QStringList lines;
  const char* data = bytes.constData();
  const qsizetype size = bytes.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < size; ++i) {
    const char c = data[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(QString::fromLocal8Bit(data + start, i - start));
    if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) lines.append(QString::fromLocal8Bit(data + start, size - start));
  return lines;
}

// The path a foreign playlist line names: file URLs made local, relative
// paths taken from the playlist's folder, other URLs kept as they are.
QString PathOfForeignLine(const QString& line, const QString& folder) {
  if (line.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
    return QUrl(line).toLocalFile();
  }
  if (line.contains(QLatin1String("://")) || line.startsWith('/')) return line;
  return QDir::cleanPath(QDir(folder).filePath(line));
}

bool IsPlsFile(const QStringList& lines) {
  for (const QString& line : lines) {
    const QString trimmed = line.trimmed();
    if (!trimmed.isEmpty()) return trimmed.compare(QLatin1String("[playlist]"), Qt::CaseInsensitive) == 0;
  }
  return false;
}

}  // namespace

QStringList EntriesFromLines(const QStringList& lines, const QString& folder) {
  const QLatin1String ownTag(GeneralFunctions::kSongPathTag);
  const bool pls = IsPlsFile(lines);
  bool hasOwnEntries = false;
  for (const QString& line : lines) hasOwnEntries = hasOwnEntries || line.startsWith(ownTag);
  static const QRegularExpression plsFileLine(QStringLiteral("^File\\d+=(.*)$"),
                                              QRegularExpression::CaseInsensitiveOption);

  QStringList entries;
  entries.reserve(lines.size());
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (line.startsWith(ownTag) || (line.isEmpty() && hasOwnEntries)) {
      entries.append(line);
      continue;
    }
    QString text = line.trimmed();
    if (i == 0 && text.startsWith(QChar(0xFEFF))) text = text.mid(1).trimmed();
    if (text.isEmpty() || text.startsWith('#')) continue;
    if (pls) {
      const QRegularExpressionMatch match = plsFileLine.match(text);
      if (!match.hasMatch()) continue;  // header, titles, lengths, counts
      text = match.captured(1).trimmed();
      if (text.isEmpty()) continue;
    }
    entries.append(GeneralFunctions::BuildPlayListEntry(PathOfForeignLine(text, folder)));
  }
  return entries;
}

ReadResult ReadPlayListFile(const QString& path, qint64 maxBytes) {
  ReadResult result;
  QFile file(path);
  if (!file.exists()) {
    result.status = ReadStatus::Missing;
    return result;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    result.status = ReadStatus::Unreadable;
    return result;
  }
  QByteArray bytes = ReadBytesUpToZero(file, maxBytes, result.status);
  if (result.status != ReadStatus::Complete) {
    // The last line may be cut short: leave it out rather than keep half an entry.
    const qsizetype lastLineEnd = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
    bytes.truncate(lastLineEnd + 1);
  }
  result.entries = EntriesFromLines(DecodeLines(bytes), GeneralFunctions::FolderOfPath(path));
  return result;
}

bool WritePlayListFile(const QString& path, const QStringList& entries) {
  return PlatformUi::WriteTextLines(path, entries);
}

void SavePlayList(const PlayListModel& model, const QString& folder, QWidget* parent) {
  const QString path = PlatformUi::FileDialogs().SaveFileName(
      parent, QStringLiteral("Save PlayList"), folder, QString::fromLatin1(kPlayListFilter));
  if (path.isEmpty()) return;
  if (!WritePlayListFile(path, model.Entries())) {
    PlatformUi::ShowErrorMessage(QStringLiteral("Could not save the playlist to %1").arg(path));
  }
}

void LoadPlayList(PlayListModel& model, const QString& folder, QWidget* parent) {
  const QString path = PlatformUi::FileDialogs().OpenFileName(
      parent, QStringLiteral("Load PlayList"), folder, QString::fromLatin1(kPlayListFilter));
  if (path.isEmpty()) return;
  model.ReplaceEntries(ReadPlayListFile(path).entries);
}

}  // namespace PlayListFile
