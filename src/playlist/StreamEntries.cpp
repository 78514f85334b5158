#include "StreamEntries.h"

#include <QUrl>

#include "playlist/PlayListModel.h"

namespace GeneralFunctions {

SongArtistTitle SplitStreamUrl(const QString& url) {
  const QUrl address(url);
  const QString server = address.port() >= 0 ? QStringLiteral("%1:%2").arg(address.host()).arg(address.port())
                                             : address.host();
  const QString name = address.fileName();
  return {server, name.isEmpty() ? server : name};
}

SongArtistTitle SplitStreamTitle(const QString& streamTitle, const QString& station) {
  static const QLatin1String kSeparator(" - ");
  const qsizetype separator = streamTitle.indexOf(kSeparator);
  if (separator < 0) return {station, streamTitle.trimmed()};
  return {streamTitle.left(separator).trimmed(), streamTitle.mid(separator + kSeparator.size()).trimmed()};
}

bool NameStation(PlayListModel& model, QString& playingEntry, const QString& url, const QString& name) {
  if (name.isEmpty() || GetEntrySongPath(playingEntry) != url) return false;
  bool changed = false;
  if (GetEntrySongTitle(playingEntry) != name) {
    SetEntrySongTitle(name, playingEntry);
    changed = true;
  }
  const int index = model.CurrentSongIndex;
  if (index >= 0 && index < model.TotalFiles() && GetEntrySongPath(model.Entry(index)) == url &&
      GetEntrySongTitle(model.Entry(index)) != name) {
    QString entry = model.Entry(index);
    SetEntrySongTitle(name, entry);
    model.SetEntry(index, entry);
    changed = true;
  }
  return changed;
}

}  // namespace GeneralFunctions
