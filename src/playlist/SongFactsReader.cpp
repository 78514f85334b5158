#include "SongFactsReader.h"

#include <QMetaObject>

#include <chrono>

namespace {

// Results are handed to the GUI thread in batches: often enough that titles
// appear while a big folder is read, seldom enough that each hand-over stays short.
constexpr size_t kBatchSize = 256;
constexpr auto kBatchInterval = std::chrono::milliseconds(100);

}  // namespace

SongFactsReader::SongFactsReader(QObject* parent) : QObject(parent) {}

SongFactsReader::~SongFactsReader() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void SongFactsReader::Request(const QStringList& paths) {
  size_t added = 0;
  {
    std::lock_guard lock(mutex_);
    for (const QString& path : paths) {
      if (path.isEmpty() || known_.contains(path)) continue;
      known_.insert(path);
      queue_.push_back(path);
      ++added;
    }
  }
  if (added == 0) return;
  // The thread starts with the first file to read: a session that never
  // reads one never has it.
  if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  wake_.notify_one();
}

const SongFacts::Facts* SongFactsReader::Find(const QString& path) const {
  const auto found = facts_.constFind(path);
  return found == facts_.constEnd() ? nullptr : &found.value();
}

bool SongFactsReader::Idle() const {
  std::lock_guard lock(mutex_);
  return queue_.empty() && done_.empty() && !reading_;
}

void SongFactsReader::Run() {
  auto lastHandOver = std::chrono::steady_clock::now();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    const QString path = queue_.front();
    queue_.pop_front();
    reading_ = true;
    lock.unlock();
    SongFacts::Facts facts = SongFacts::ReadSongFacts(path);
    lock.lock();
    reading_ = false;
    done_.emplace_back(path, std::move(facts));
    const auto now = std::chrono::steady_clock::now();
    const bool due = queue_.empty() || done_.size() >= kBatchSize || now - lastHandOver >= kBatchInterval;
    if (due && !handOverPosted_) {
      handOverPosted_ = true;
      lastHandOver = now;
      QMetaObject::invokeMethod(this, &SongFactsReader::HandOver, Qt::QueuedConnection);
    }
  }
}

void SongFactsReader::HandOver() {
  std::vector<std::pair<QString, SongFacts::Facts>> batch;
  {
    std::lock_guard lock(mutex_);
    batch.swap(done_);
    handOverPosted_ = false;
  }
  QStringList paths;
  paths.reserve(static_cast<qsizetype>(batch.size()));
  for (auto& [path, facts] : batch) {
    facts_.insert(path, std::move(facts));
    paths.append(path);
  }
  if (!paths.isEmpty()) emit FactsArrived(paths);
}
