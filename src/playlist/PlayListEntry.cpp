#include "PlayListEntry.h"

#include "audio/StreamUrl.h"
#include "playlist/StreamEntries.h"

namespace GeneralFunctions {

namespace {

constexpr QLatin1String kPathTag(kSongPathTag);
constexpr QLatin1String kArtistTag(kSongArtistTag);
constexpr QLatin1String kTitleTag(kSongTitleTag);

// The text between the end of the first `startTag` and the following `endTag`
// (or the end of the entry when endTag is empty).
QString FieldBetween(const QString& entry, QLatin1String startTag, QLatin1String endTag) {
  const qsizetype tag = entry.indexOf(startTag);
  if (tag < 0) return {};
  const qsizetype start = tag + startTag.size();
  if (endTag.isEmpty()) return entry.mid(start);
  const qsizetype end = entry.indexOf(endTag, start);
  if (end < 0) return {};
  return entry.mid(start, end - start);
}

// Blanks and control characters trimmed, "Unknown" for nothing, first letter a-z capitalised.
QString TidyNamePart(const QString& part) {
  qsizetype begin = 0;
  qsizetype end = part.size();
  while (begin < end && part[begin].unicode() <= 32) ++begin;
  while (end > begin && part[end - 1].unicode() <= 32) --end;
  if (begin == end) return QStringLiteral("Unknown");
  QString tidy = part.mid(begin, end - begin);
  const char16_t first = tidy[0].unicode();
  if (first >= u'a' && first <= u'z') tidy[0] = QChar(first - u'a' + u'A');
  return tidy;
}

}  // namespace

QString FileNameOfPath(const QString& path) { return path.mid(path.lastIndexOf('/') + 1); }

QString FolderOfPath(const QString& path) { return path.left(path.lastIndexOf('/') + 1); }

QString FileExtensionOfPath(const QString& path) {
  const QString name = FileNameOfPath(path);
  const qsizetype dot = name.lastIndexOf('.');
  return dot < 0 ? QString() : name.mid(dot);
}

SongArtistTitle SplitSongFileName(const QString& path) {
  QString name = FileNameOfPath(path);
  const qsizetype dot = name.lastIndexOf('.');
  if (dot >= 0) name.truncate(dot);
  const qsizetype dash = name.indexOf('-');
  if (dash < 0) return {TidyNamePart(QString()), TidyNamePart(name)};
  return {TidyNamePart(name.left(dash)), TidyNamePart(name.mid(dash + 1))};
}

QString BuildPlayListEntry(const QString& path) {
  const SongArtistTitle split =
      KestrelixAudioApi::IsStreamUrl(path) ? SplitStreamUrl(path) : SplitSongFileName(path);
  return kPathTag + path + kArtistTag + split.artist + kTitleTag + split.title;
}

QString GetEntrySongPath(const QString& entry) {
  return FieldBetween(entry, kPathTag, kArtistTag);
}

QString GetEntrySongArtist(const QString& entry) {
  return FieldBetween(entry, kArtistTag, kTitleTag);
}

QString GetEntrySongTitle(const QString& entry) {
  return FieldBetween(entry, kTitleTag, QLatin1String());
}

void SetEntrySongArtist(const QString& artist, QString& entry) {
  const qsizetype tag = entry.indexOf(kArtistTag);
  if (tag < 0) return;
  const qsizetype start = tag + kArtistTag.size();
  const qsizetype end = entry.indexOf(kTitleTag, start);
  if (end < 0) return;
  entry.replace(start, end - start, artist);
}

void SetEntrySongTitle(const QString& title, QString& entry) {
  const qsizetype tag = entry.indexOf(kTitleTag);
  if (tag < 0) return;
  entry.truncate(tag + kTitleTag.size());
  entry += title;
}

}  // namespace GeneralFunctions
