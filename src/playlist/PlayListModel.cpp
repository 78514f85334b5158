#include "PlayListModel.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

void PlayListModel::Changed() {
  ++revision_;
  if (ListChanged) ListChanged();
}

void PlayListModel::ShowTotalFiles() const {
  if (ShowInfoText) ShowInfoText(QStringLiteral("Total Files:%1").arg(TotalFiles()));
}

void PlayListModel::SetSelected(int index, bool selected) {
  if (index < 0 || index >= TotalFiles()) return;
  items_[static_cast<size_t>(index)].selected = selected;
  if (ListChanged) ListChanged();
}

QStringList PlayListModel::Entries() const {
  QStringList entries;
  entries.reserve(TotalFiles());
  for (const Item& item : items_) entries.append(item.entry);
  return entries;
}

void PlayListModel::AppendItems(const QStringList& entries) {
  items_.reserve(items_.size() + static_cast<size_t>(entries.size()));
  for (const QString& entry : entries) items_.push_back({entry, false, nextId_++});
}

void PlayListModel::Append(const QStringList& entries) {
  if (!entries.isEmpty()) {
    AppendItems(entries);
    Changed();
  }
  ShowTotalFiles();
}

void PlayListModel::ChangeEntries(const std::vector<std::pair<int, QString>>& changes) {
  for (const auto& [index, entry] : changes)
    if (index >= 0 && index < TotalFiles()) items_[static_cast<size_t>(index)].entry = entry;
  if (!changes.empty()) Changed();
}

void PlayListModel::SetEntry(int index, const QString& entry) { ChangeEntries({{index, entry}}); }

void PlayListModel::ReplaceEntries(const QStringList& entries) {
  items_.clear();
  queue_.clear();
  if (ItemIndex >= entries.size()) ItemIndex = -1;
  AppendItems(entries);
  Changed();
  ShowTotalFiles();
}

void PlayListModel::ReorderEntries(const std::vector<int32_t>& order) {
  if (order.size() != items_.size()) return;
  std::vector<Item> reordered;
  reordered.reserve(items_.size());
  for (const int32_t from : order) {
    reordered.push_back(std::move(items_[static_cast<size_t>(from)]));
    reordered.back().selected = false;
  }
  items_ = std::move(reordered);
  if (ItemIndex >= TotalFiles()) ItemIndex = -1;
  Changed();
  ShowTotalFiles();
}

void PlayListModel::Clear() {
  items_.clear();
  queue_.clear();
  ItemIndex = -1;
  Changed();
  ShowTotalFiles();
}

// Removing entries one by one from the last to the first lowers the current
// index once for every removed entry below it; doing it in one pass keeps
// large lists fast and gives the same result.
void PlayListModel::RemoveWhereSelectedIs(bool removeSelected) {
  int32_t removedBeforeCurrent = 0;
  int32_t removedBeforeFocus = 0;
  bool focusRemoved = false;
  size_t kept = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    const auto index = static_cast<int32_t>(i);
    if (items_[i].selected == removeSelected) {
      if (!queue_.empty()) std::erase(queue_, items_[i].id);
      if (index < CurrentSongIndex) ++removedBeforeCurrent;
      if (index < ItemIndex) ++removedBeforeFocus;
      if (index == ItemIndex) focusRemoved = true;
      continue;
    }
    if (kept != i) items_[kept] = std::move(items_[i]);
    ++kept;
  }
  if (kept == items_.size()) return;
  items_.resize(kept);
  CurrentSongIndex -= removedBeforeCurrent;
  ItemIndex = focusRemoved ? -1 : ItemIndex - removedBeforeFocus;
  Changed();
  ShowTotalFiles();
}

void PlayListModel::DeleteSelectedItems() { RemoveWhereSelectedIs(true); }

void PlayListModel::CropSelectedItems() { RemoveWhereSelectedIs(false); }

void PlayListModel::SelectRange(int from, int to, bool keepOthers) {
  const int first = std::max(0, std::min(from, to));
  const int last = std::min(TotalFiles() - 1, std::max(from, to));
  for (int i = 0; i < TotalFiles(); ++i) {
    Item& item = items_[static_cast<size_t>(i)];
    if (i >= first && i <= last) {
      item.selected = true;
    } else if (!keepOthers) {
      item.selected = false;
    }
  }
  if (ListChanged) ListChanged();
}

void PlayListModel::SelectAllItems() {
  for (Item& item : items_) item.selected = true;
  if (ListChanged) ListChanged();
}

void PlayListModel::SelectNoneItems() {
  for (Item& item : items_) item.selected = false;
  if (ListChanged) ListChanged();
}

void PlayListModel::InverseSelectedItems() {
  for (Item& item : items_) item.selected = !item.selected;
  if (ListChanged) ListChanged();
}

int32_t PlayListModel::GetFirstSelection() const {
  const auto found =
      std::find_if(items_.begin(), items_.end(), [](const Item& item) { return item.selected; });
  return found == items_.end() ? -1 : static_cast<int32_t>(found - items_.begin());
}

void PlayListModel::MoveEntry(int source, int target) {
  if (source < 0 || target < 0 || source >= TotalFiles() || target >= TotalFiles()) return;
  int32_t& current = CurrentSongIndex;
  if (source < current && target >= current) {
    --current;
  } else if (target <= current && source > current) {
    ++current;
  } else if (source == current) {
    current = target;
  }
  const auto from = items_.begin() + source;
  const auto to = items_.begin() + target;
  if (source < target) {
    std::rotate(from, from + 1, to + 1);
  } else {
    std::rotate(to, from, from + 1);
  }
  if (ItemIndex == source) ItemIndex = target;
  Changed();
}

int32_t PlayListModel::IndexOfId(uint64_t id) const {
  const auto found = std::find_if(items_.begin(), items_.end(), [id](const Item& item) { return item.id == id; });
  return found == items_.end() ? -1 : static_cast<int32_t>(found - items_.begin());
}

void PlayListModel::QueueEntries(const std::vector<int32_t>& indexes) {
  std::unordered_set<uint64_t> queued(queue_.begin(), queue_.end());
  for (const int32_t index : indexes) {
    if (index < 0 || index >= TotalFiles()) continue;
    const uint64_t id = items_[static_cast<size_t>(index)].id;
    if (queued.insert(id).second) queue_.push_back(id);
  }
  Changed();
}

void PlayListModel::QueueSelectedItems() {
  std::vector<int32_t> selected;
  for (int32_t i = 0; i < TotalFiles(); ++i)
    if (items_[static_cast<size_t>(i)].selected) selected.push_back(i);
  QueueEntries(selected);
}

int PlayListModel::QueuePlace(int index) const {
  if (queue_.empty() || index < 0 || index >= TotalFiles()) return 0;
  const auto found = std::find(queue_.begin(), queue_.end(), items_[static_cast<size_t>(index)].id);
  return found == queue_.end() ? 0 : static_cast<int>(found - queue_.begin()) + 1;
}

int32_t PlayListModel::QueueFront() const { return queue_.empty() ? -1 : IndexOfId(queue_.front()); }

void PlayListModel::TakeQueueFront() {
  if (queue_.empty()) return;
  queue_.erase(queue_.begin());
  Changed();
}

std::vector<int32_t> PlayListModel::QueuedIndexes() const {
  std::unordered_map<uint64_t, size_t> places;
  for (size_t place = 0; place < queue_.size(); ++place) places[queue_[place]] = place;
  std::vector<int32_t> indexes(queue_.size(), -1);
  for (size_t i = 0; i < items_.size() && !places.empty(); ++i)
    if (const auto found = places.find(items_[i].id); found != places.end()) indexes[found->second] = static_cast<int32_t>(i);
  return indexes;
}
