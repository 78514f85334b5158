#include "PlayListFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>

#include <cstring>
#include <utility>

#include "audio/StreamUrl.h"
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

// The entry for a path of another program's playlist. A stream takes the
// station's name that the playlist gives it as its title.
QString StationEntry(const QString& path, const QString& title) {
  QString entry = GeneralFunctions::BuildPlayListEntry(path);
  if (!title.isEmpty() && KestrelixAudioApi::IsStreamUrl(path)) GeneralFunctions::SetEntrySongTitle(title, entry);
  return entry;
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
  static const QRegularExpression plsLine(QStringLiteral("^(File|Title)(\\d+)=(.*)$"),
                                          QRegularExpression::CaseInsensitiveOption);

  QStringList entries;
  entries.reserve(lines.size());
  QString extinfTitle;             // an M3U "#EXTINF:seconds,title" for the next path
  QHash<QString, qsizetype> plsEntryOfNumber;  // PLS "FileN": N to the index of its entry
  QHash<QString, QString> plsTitleOfNumber;    // PLS "TitleN": N to the title
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    if (line.startsWith(ownTag) || (line.isEmpty() && hasOwnEntries)) {
      entries.append(line);
      continue;
    }
    QString text = line.trimmed();
    if (i == 0 && text.startsWith(QChar(0xFEFF))) text = text.mid(1).trimmed();
    if (text.startsWith(QLatin1String("#EXTINF:"), Qt::CaseInsensitive)) {
      extinfTitle = text.section(',', 1).trimmed();
      continue;
    }
    if (text.isEmpty() || text.startsWith('#')) continue;
    if (pls) {
      const QRegularExpressionMatch match = plsLine.match(text);
      if (!match.hasMatch()) continue;  // header, lengths, counts
      const QString number = match.captured(2);
      text = match.captured(3).trimmed();
      if (match.captured(1).compare(QLatin1String("Title"), Qt::CaseInsensitive) == 0) {
        plsTitleOfNumber.insert(number, text);
        continue;
      }
      if (text.isEmpty()) continue;
      plsEntryOfNumber.insert(number, entries.size());
    }
    entries.append(StationEntry(PathOfForeignLine(text, folder), std::exchange(extinfTitle, QString())));
  }
  for (auto title = plsTitleOfNumber.cbegin(); title != plsTitleOfNumber.cend(); ++title) {
    const auto entry = plsEntryOfNumber.constFind(title.key());
    if (entry == plsEntryOfNumber.cend()) continue;
    QString& named = entries[*entry];
    named = StationEntry(GeneralFunctions::GetEntrySongPath(named), title.value());
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
