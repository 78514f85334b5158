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
#include "playlist/SongFacts.h"
#include "playlist/StreamEntries.h"

namespace PlayListFile {

namespace {

constexpr qint64 kReadChunkBytes = 1024 * 1024;

constexpr char kPlayListFilter[] =
    "PLS PlayList (*.pls);;M3U PlayList (*.m3u);;M3U8 PlayList for other players (*.m3u8)";

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

// The entry for a path of another program's playlist, named as the playlist
// names it: a stream takes the name as its title (the station's name); a file
// takes "Artist - Title" as its artist and title, a name without " - " as
// its title. The file's own tags, read later, still win.
QString EntryNamedByPlayList(const QString& path, const QString& playListName) {
  QString entry = GeneralFunctions::BuildPlayListEntry(path);
  const QString name = SongFacts::CleanTagText(playListName);
  if (name.isEmpty()) return entry;
  if (KestrelixAudioApi::IsStreamUrl(path)) {
    GeneralFunctions::SetEntrySongTitle(name, entry);
    return entry;
  }
  const GeneralFunctions::SongArtistTitle named =
      GeneralFunctions::SplitStreamTitle(name, GeneralFunctions::GetEntrySongArtist(entry));
  if (!named.artist.isEmpty()) GeneralFunctions::SetEntrySongArtist(named.artist, entry);
  if (!named.title.isEmpty()) GeneralFunctions::SetEntrySongTitle(named.title, entry);
  return entry;
}

bool IsExtendedM3uName(const QString& path) {
  return GeneralFunctions::FileExtensionOfPath(path).compare(QLatin1String(".m3u8"), Qt::CaseInsensitive) == 0;
}

// A station is named by its title alone; its artist is only the server.
QString ExtendedM3uName(const QString& entry) {
  const QString artist = GeneralFunctions::GetEntrySongArtist(entry);
  const QString title = GeneralFunctions::GetEntrySongTitle(entry);
  if (artist.isEmpty() || KestrelixAudioApi::IsStreamUrl(GeneralFunctions::GetEntrySongPath(entry))) return title;
  return artist + QLatin1String(" - ") + title;
}

QStringList ExtendedM3uLines(const QStringList& entries, const SongSeconds& secondsOf) {
  QStringList lines{QStringLiteral("#EXTM3U")};
  for (const QString& entry : entries) {
    const QString path = GeneralFunctions::GetEntrySongPath(entry);
    if (path.isEmpty()) continue;
    const int seconds = secondsOf ? secondsOf(entry) : -1;
    lines << QStringLiteral("#EXTINF:%1,%2").arg(seconds).arg(ExtendedM3uName(entry)) << path;
  }
  return lines;
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
    entries.append(EntryNamedByPlayList(PathOfForeignLine(text, folder), std::exchange(extinfTitle, QString())));
  }
  for (auto title = plsTitleOfNumber.cbegin(); title != plsTitleOfNumber.cend(); ++title) {
    const auto entry = plsEntryOfNumber.constFind(title.key());
    if (entry == plsEntryOfNumber.cend()) continue;
    QString& named = entries[*entry];
    named = EntryNamedByPlayList(GeneralFunctions::GetEntrySongPath(named), title.value());
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

bool WritePlayListFile(const QString& path, const QStringList& entries, const SongSeconds& secondsOf) {
  return PlatformUi::WriteTextLines(path, IsExtendedM3uName(path) ? ExtendedM3uLines(entries, secondsOf) : entries);
}

void SavePlayList(const PlayListModel& model, const QString& folder, QWidget* parent,
                  const SongSeconds& secondsOf) {
  const QString path = PlatformUi::FileDialogs().SaveFileName(
      parent, QStringLiteral("Save PlayList"), folder, QString::fromLatin1(kPlayListFilter));
  if (path.isEmpty()) return;
  if (!WritePlayListFile(path, model.Entries(), secondsOf)) {
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
