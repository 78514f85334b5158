#include "SongFactsReader.h"

#include <QMetaObject>

#include <chrono>
#include <tuple>

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

void SongFactsReader::LearnSeconds(const QString& path, int seconds) {
  if (path.isEmpty() || seconds < 0) return;
  {
    std::lock_guard lock(mutex_);
    std::erase_if(scanQueue_, [&path](const auto& scan) { return scan.first == path; });
    learntSeconds_.insert(path, seconds);
  }
  SongFacts::Facts& facts = facts_[path];
  if (facts.seconds == seconds && !facts.lengthEstimated) return;
  facts.seconds = seconds;
  facts.lengthEstimated = false;
  emit FactsArrived({path});
}

const SongFacts::Facts* SongFactsReader::Find(const QString& path) const {
  const auto found = facts_.constFind(path);
  return found == facts_.constEnd() ? nullptr : &found.value();
}

bool SongFactsReader::Idle() const {
  std::lock_guard lock(mutex_);
  return queue_.empty() && scanQueue_.empty() && done_.empty() && !reading_;
}

void SongFactsReader::Run() {
  auto lastHandOver = std::chrono::steady_clock::now();
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty() || !scanQueue_.empty(); });
    if (stopping_) return;
    // Tags first: a scan reads a whole file, a tag read only its ends.
    const bool scanning = queue_.empty();
    QString path;
    SongFacts::Facts facts;
    if (scanning) {
      std::tie(path, facts) = std::move(scanQueue_.front());
      scanQueue_.pop_front();
    } else {
      path = queue_.front();
      queue_.pop_front();
    }
    reading_ = true;
    lock.unlock();
    if (scanning) {
      SongFacts::ScanExactLength(path, facts);
    } else {
      facts = SongFacts::ReadSongFacts(path);
    }
    lock.lock();
    reading_ = false;
    if (facts.lengthEstimated && !learntSeconds_.contains(path)) scanQueue_.emplace_back(path, facts);
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
    for (auto& [path, facts] : batch) {
      if (const auto learnt = learntSeconds_.constFind(path); learnt != learntSeconds_.constEnd()) {
        facts.seconds = *learnt;
        facts.lengthEstimated = false;
      }
    }
  }
  QStringList paths;
  paths.reserve(static_cast<qsizetype>(batch.size()));
  for (auto& [path, facts] : batch) {
    facts_.insert(path, std::move(facts));
    paths.append(path);
  }
  if (!paths.isEmpty()) emit FactsArrived(paths);
}
