#pragma once
// Reads song facts on a thread of its own, so that adding thousands of files
// stays instant. Paths are queued from the GUI thread; their facts come back
// to it in batches, each path read once per run of the player. Files whose
// length is only estimated are scanned for the exact one once every queued
// file has been read, and their facts come back a second time.
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "playlist/SongFacts.h"

class SongFactsReader : public QObject {
  Q_OBJECT
 public:
  explicit SongFactsReader(QObject* parent = nullptr);
  // Stops the thread after the file it is reading.
  ~SongFactsReader() override;

  // Queues the paths that were neither read nor queued before.
  void Request(const QStringList& paths);
  // The length the decoder found while playing the file: it stands for the
  // path from now on, over what is read or scanned, and a pending scan of the
  // file is dropped. FactsArrived follows when the length changed.
  void LearnSeconds(const QString& path, int seconds);
  // The facts of a path read so far, or nullptr.
  const SongFacts::Facts* Find(const QString& path) const;
  // True when every queued path has been read and handed over.
  bool Idle() const;

 signals:
  // On the GUI thread: the paths whose facts just arrived.
  void FactsArrived(const QStringList& paths);

 private:
  void Run();
  void HandOver();

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<QString> queue_;
  std::deque<std::pair<QString, SongFacts::Facts>> scanQueue_;
  QHash<QString, int> learntSeconds_;
  std::vector<std::pair<QString, SongFacts::Facts>> done_;
  bool handOverPosted_ = false;
  bool reading_ = false;
  bool stopping_ = false;

  // GUI thread only.
  QSet<QString> known_;
  QHash<QString, SongFacts::Facts> facts_;
  std::thread thread_;  // started by the first Request that queues a path
};
