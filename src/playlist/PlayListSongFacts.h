#pragma once
// Keeps the playlist's entries in step with what the background reading
// learns about their files: every path that enters the list is queued once;
// when its facts arrive the entry takes the artist and title of the file's
// tags (while that is switched on) and the list shows the song's length.
// The deck's song lines follow when the song being played changes its names.
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

#include "playlist/SongFactsReader.h"

class PlayListModel;

class PlayListSongFacts : public QObject {
  Q_OBJECT
 public:
  PlayListSongFacts(PlayListModel& model, std::function<bool()> readTitlesFromTags, QObject* parent = nullptr);

  // Queues the paths of entries not read before and gives the others the
  // titles already read; cheap when the entries did not change since the last call.
  void ListChanged();
  // Gives every entry the tag titles read so far (the option was switched on).
  void ApplyTagTitlesToAll();
  // The length of an entry's song in seconds, -1 while unknown.
  int SecondsOf(const QString& entry) const;
  // The song on the deck was loaded: the length its decoder found stands for
  // its file in the list from now on.
  void LearnPlayingLength();

  SongFactsReader Reader;

 private:
  void FactsArrived(const QStringList& paths);
  // Rewrites the entries of these paths whose facts have an artist or title.
  void ApplyTagTitles(const QStringList& paths);

  PlayListModel& model_;
  std::function<bool()> readTitlesFromTags_;
  // The rows of each path, as of the list's revision indexedRevision_; a
  // batch of facts then costs only its own rows.
  QHash<QString, QList<int>> rowsOfPath_;
  uint64_t indexedRevision_ = UINT64_MAX;
  bool applying_ = false;
};
