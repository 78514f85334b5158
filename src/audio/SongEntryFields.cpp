#include "SongEntryFields.h"

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

}  // namespace

QString MakeSongEntry(const QString& path, const QString& artist, const QString& title) {
  return kPathTag + path + kArtistTag + artist + kTitleTag + title;
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
