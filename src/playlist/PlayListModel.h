#pragma once
// The playlist editor's song list, kept apart from the window so that it can
// be driven and tested without one: the entries with their selected flags,
// the focused item, the current song index and the play queue. Every change
// keeps TotalFiles() equal to the number of entries.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class PlayListModel {
 public:
  struct Item {
    QString entry;
    bool selected = false;
    uint64_t id = 0;  // names the song while entries are removed, moved or sorted
  };

  // The index of the entry the deck plays or will play. It is an index, not
  // a reference: removing and moving entries adjust it, sorting and loading do not.
  int32_t CurrentSongIndex = 0;
  // The focused entry, -1 when none.
  int32_t ItemIndex = -1;
  // Entries found unplayable in a row while advancing; once it reaches the
  // number of entries, advancing stops.
  int32_t UnplayableInARow = 0;
  // The entries of the tracks of the disc last read by the CD-track step.
  QStringList CDTrackList;

  // Asked to repaint the list after its entries, order or selection changed.
  std::function<void()> ListChanged;
  // Asked to show a text in the window's info area.
  std::function<void(const QString&)> ShowInfoText;

  int32_t TotalFiles() const { return static_cast<int32_t>(items_.size()); }
  const QString& Entry(int index) const { return items_[static_cast<size_t>(index)].entry; }
  bool IsSelected(int index) const { return items_[static_cast<size_t>(index)].selected; }
  void SetSelected(int index, bool selected);
  QStringList Entries() const;
  // Counts every change to the entries or their order (not the selection).
  uint64_t Revision() const { return revision_; }

  // Appends entries in order and shows the new count.
  void Append(const QStringList& entries);
  // Rewrites entries in place (index, new text); order and selection stay.
  void ChangeEntries(const std::vector<std::pair<int, QString>>& changes);
  // Replaces every entry (loading a list); selection and queue cleared, indexes kept.
  void ReplaceEntries(const QStringList& entries);
  // Puts the entries in a new order: order[i] is the old index of the entry
  // that stands at i afterwards (a permutation of every index). The selection
  // is cleared, CurrentSongIndex kept; the queue follows its songs.
  void ReorderEntries(const std::vector<int32_t>& order);
  // Changes one entry's text in place (its selection stays); an index
  // outside the list does nothing.
  void SetEntry(int index, const QString& entry);
  // Empties the list and shows the count; CurrentSongIndex is kept.
  void Clear();

  void DeleteSelectedItems();
  void CropSelectedItems();
  // Selects the entries from `from` to `to` (either order, clamped to the
  // list); with `keepOthers` false every other entry is deselected.
  void SelectRange(int from, int to, bool keepOthers);
  void SelectAllItems();
  void SelectNoneItems();
  void InverseSelectedItems();
  int32_t GetFirstSelection() const;

  // Moves the entry at source so that it ends at target; CurrentSongIndex
  // follows the song it named. Indexes outside the list do nothing.
  void MoveEntry(int source, int target);

  // "Total Files:" and the count, in the info area.
  void ShowTotalFiles() const;

  // The play queue: songs that play next, before the list's own order.
  // Queues the selected entries, in list order, behind those queued before;
  // an entry already queued keeps its place.
  void QueueSelectedItems();
  void QueueEntries(const std::vector<int32_t>& indexes);
  // The entry's place in the queue from 1, or 0 when it is not queued.
  int QueuePlace(int index) const;
  // The index of the first queued entry, or -1 when the queue is empty.
  int32_t QueueFront() const;
  // The first queued entry leaves the queue.
  void TakeQueueFront();
  // The queued entries' indexes, first first.
  std::vector<int32_t> QueuedIndexes() const;
  bool QueueEmpty() const { return queue_.empty(); }

 private:
  // Removes the entries whose selected flag equals `removeSelected`, keeping
  // CurrentSongIndex on the same song (or on the one after a removed current song).
  void RemoveWhereSelectedIs(bool removeSelected);
  void AppendItems(const QStringList& entries);
  void Changed();
  int32_t IndexOfId(uint64_t id) const;

  std::vector<Item> items_;
  std::vector<uint64_t> queue_;  // ids of the queued songs, first first
  uint64_t nextId_ = 1;
  uint64_t revision_ = 0;
};
