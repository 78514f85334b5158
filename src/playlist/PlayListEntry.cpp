#include "PlayListEntry.h"

#include "audio/StreamUrl.h"
#include "playlist/StreamEntries.h"

namespace GeneralFunctions {

namespace {

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
  return MakeSongEntry(path, split.artist, split.title);
}

}  // namespace GeneralFunctions
