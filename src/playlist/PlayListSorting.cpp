#include "PlayListSorting.h"

#include <QCollator>
#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "platform/ui/RandomGenerator.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"

namespace PlayListSorting {

namespace {

using namespace GeneralFunctions;

constexpr int64_t kLargestTenDigitNumber = 9'999'999'999;

// A number as 10 digits, zero-padded on the left; -1 (no file) gives "00000000-1",
// which sorts before every real value.
QString TenDigitKey(int64_t value) {
  return QString::number(std::min(value, kLargestTenDigitNumber))
      .rightJustified(10, QLatin1Char('0'));
}

int64_t FileSize(const QString& path) {
  const QFileInfo info(path);
  return info.exists() ? info.size() : -1;
}

// The platform's user-locale comparison with letter case ignored.
QCollator CaseInsensitiveCollator() {
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

struct KeyedEntry {
  QString key;
  QString entry;
  int32_t index;
};

// Orders by key, and entries with equal keys by their own text (path, artist,
// title); equal ones keep their order. Key and entry are compared one after
// the other rather than joined into one text, so a key that begins another
// stays in front of it ("Song" before "Song 2").
std::vector<int32_t> SortedByKey(const QStringList& entries, uint8_t sortType) {
  std::vector<KeyedEntry> keyed;
  keyed.reserve(static_cast<size_t>(entries.size()));
  for (int32_t i = 0; i < entries.size(); ++i) keyed.push_back({SortKeyOfEntry(entries[i], sortType), entries[i], i});
  const QCollator collator = CaseInsensitiveCollator();
  std::stable_sort(keyed.begin(), keyed.end(), [&collator](const KeyedEntry& a, const KeyedEntry& b) {
    const int byKey = collator.compare(a.key, b.key);
    return byKey != 0 ? byKey < 0 : collator.compare(a.entry, b.entry) < 0;
  });
  std::vector<int32_t> order;
  order.reserve(keyed.size());
  for (const KeyedEntry& item : keyed) order.push_back(item.index);
  return order;
}

std::vector<int32_t> Randomized(std::vector<int32_t> working) {
  std::vector<int32_t> result;
  result.reserve(working.size());
  // Drawing one of the entries left and taking it out; the last entry fills its
  // place, which keeps every order equally likely without shifting the rest.
  while (!working.empty()) {
    const auto drawn = static_cast<size_t>(PlatformUi::RandomBelow(static_cast<int>(working.size())));
    result.push_back(working[drawn]);
    working[drawn] = working.back();
    working.pop_back();
  }
  return result;
}

}  // namespace

int64_t PackedFileDate(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return -1;
  const QDateTime written = info.lastModified().toLocalTime();
  const QDate date = written.date();
  if (date.year() < 1980) return (1 << 21) | (1 << 16);  // DOS time starts 1980-01-01
  const QTime time = written.time();
  const int64_t dosDate = ((date.year() - 1980) << 9) | (date.month() << 5) | date.day();
  const int64_t dosTime = (time.hour() << 11) | (time.minute() << 5) | (time.second() / 2);
  return (dosDate << 16) | dosTime;
}

QString SortKeyOfEntry(const QString& entry, uint8_t sortType) {
  switch (sortType) {
    case stFileName:
      return FileNameOfPath(GetEntrySongPath(entry));
    case stPathAndFileName:
      return GetEntrySongPath(entry);
    case stFileExtension: {
      const QString path = GetEntrySongPath(entry);
      return FileExtensionOfPath(path) + FileNameOfPath(path);
    }
    case stFileSize:
      return TenDigitKey(FileSize(GetEntrySongPath(entry)));
    case stFileDate:
      return TenDigitKey(PackedFileDate(GetEntrySongPath(entry)));
    case stSongArtist:
      return GetEntrySongArtist(entry);
    case stSongTitle:
      return GetEntrySongTitle(entry);
    default:
      return {};
  }
}

void SortPlayList(PlayListModel& model, uint8_t sortType) {
  std::vector<int32_t> order(static_cast<size_t>(model.TotalFiles()));
  std::iota(order.begin(), order.end(), 0);
  switch (sortType) {
    case stRandomize:
      order = Randomized(std::move(order));
      break;
    case stReverse:
      std::reverse(order.begin(), order.end());
      break;
    case stFileName:
    case stPathAndFileName:
    case stFileExtension:
    case stFileSize:
    case stFileDate:
    case stSongArtist:
    case stSongTitle:
      order = SortedByKey(model.Entries(), sortType);
      break;
    default:
      return;
  }
  model.ReorderEntries(order);
}

}  // namespace PlayListSorting
