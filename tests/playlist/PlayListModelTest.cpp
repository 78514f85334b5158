#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "playlist/PlayListModel.h"

namespace {

// A list of named entries "e0", "e1", … with the given indexes selected.
PlayListModel ListOf(int count, std::initializer_list<int> selected = {}) {
  PlayListModel model;
  QStringList entries;
  for (int i = 0; i < count; ++i) entries.append(QStringLiteral("e%1").arg(i));
  model.Append(entries);
  for (int index : selected) model.SetSelected(index, true);
  return model;
}

QStringList Names(const PlayListModel& model) { return model.Entries(); }

TEST(PlayListModel, DeletingKeepsTheCurrentIndexOnTheSameSong) {
  PlayListModel model = ListOf(5, {0, 1});
  model.CurrentSongIndex = 3;
  model.DeleteSelectedItems();
  EXPECT_EQ(Names(model), QStringList({"e2", "e3", "e4"}));
  EXPECT_EQ(model.CurrentSongIndex, 1);
  EXPECT_EQ(model.Entry(model.CurrentSongIndex), "e3");
  EXPECT_EQ(model.TotalFiles(), 3);
  EXPECT_EQ(model.GetFirstSelection(), -1);
}

TEST(PlayListModel, DeletingTheCurrentSongNamesTheOneThatFollowed) {
  PlayListModel model = ListOf(5, {1, 2, 4});
  model.CurrentSongIndex = 2;
  model.DeleteSelectedItems();
  EXPECT_EQ(Names(model), QStringList({"e0", "e3"}));
  EXPECT_EQ(model.CurrentSongIndex, 1);
  EXPECT_EQ(model.Entry(1), "e3");

  PlayListModel last = ListOf(3, {2});
  last.CurrentSongIndex = 2;
  last.DeleteSelectedItems();
  EXPECT_EQ(last.CurrentSongIndex, 2);  // equal to the new count
  EXPECT_EQ(last.TotalFiles(), 2);
}

TEST(PlayListModel, CropKeepsOnlyTheSelection) {
  PlayListModel model = ListOf(6, {1, 4});
  model.CurrentSongIndex = 4;
  std::vector<QString> shown;
  model.ShowInfoText = [&](const QString& text) { shown.push_back(text); };
  model.CropSelectedItems();
  EXPECT_EQ(Names(model), QStringList({"e1", "e4"}));
  EXPECT_EQ(model.CurrentSongIndex, 1);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), "Total Files:2");
  model.Clear();
  EXPECT_EQ(model.CurrentSongIndex, 1);
  EXPECT_EQ(shown.back(), "Total Files:0");
}

TEST(PlayListModel, SelectionTools) {
  PlayListModel model = ListOf(4, {1, 3});
  EXPECT_EQ(model.GetFirstSelection(), 1);
  model.InverseSelectedItems();
  EXPECT_TRUE(model.IsSelected(0));
  EXPECT_FALSE(model.IsSelected(1));
  EXPECT_TRUE(model.IsSelected(2));
  EXPECT_EQ(model.GetFirstSelection(), 0);
  model.SelectNoneItems();
  EXPECT_EQ(model.GetFirstSelection(), -1);
  model.SelectAllItems();
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(model.IsSelected(i));
  model.DeleteSelectedItems();
  EXPECT_EQ(model.TotalFiles(), 0);
}

TEST(PlayListModel, MovingAnEntryKeepsTheCurrentSong) {
  struct MoveCase {
    int source, target, current;
    QStringList order;
    int newCurrent;
  };
  const MoveCase cases[] = {
      {2, 0, 2, {"e2", "e0", "e1", "e3", "e4"}, 0},  // the current song itself moves
      {0, 2, 2, {"e1", "e2", "e0", "e3", "e4"}, 1},  // onto the current row from above
      {4, 2, 2, {"e0", "e1", "e4", "e2", "e3"}, 3},  // onto the current row from below
      {0, 4, 2, {"e1", "e2", "e3", "e4", "e0"}, 1},  // across it downwards
      {3, 4, 2, {"e0", "e1", "e2", "e4", "e3"}, 2},  // entirely after it
      {1, 1, 2, {"e0", "e1", "e2", "e3", "e4"}, 2},
  };
  for (const MoveCase& c : cases) {
    PlayListModel model = ListOf(5);
    model.CurrentSongIndex = c.current;
    const QString currentSong = model.Entry(c.current);
    model.MoveEntry(c.source, c.target);
    EXPECT_EQ(Names(model), c.order) << c.source << "->" << c.target;
    EXPECT_EQ(model.CurrentSongIndex, c.newCurrent) << c.source << "->" << c.target;
    EXPECT_EQ(model.Entry(model.CurrentSongIndex), currentSong);
  }
}

}  // namespace

namespace {

QStringList QueuedNames(const PlayListModel& model) {
  QStringList names;
  for (const int32_t index : model.QueuedIndexes()) names.append(model.Entry(index));
  return names;
}

}  // namespace

TEST(PlayListModel, TheQueueFollowsItsSongsThroughEdits) {
  struct Case {
    const char* edit;
    std::function<void(PlayListModel&)> apply;
    QStringList queued;
  };
  const std::vector<Case> cases{
      {"nothing", [](PlayListModel&) {}, {"e4", "e1"}},
      {"remove an entry before", [](PlayListModel& m) { m.SetSelected(0, true); m.DeleteSelectedItems(); }, {"e4", "e1"}},
      {"remove a queued entry", [](PlayListModel& m) { m.SetSelected(4, true); m.DeleteSelectedItems(); }, {"e1"}},
      {"crop to a queued entry", [](PlayListModel& m) { m.SetSelected(1, true); m.CropSelectedItems(); }, {"e1"}},
      {"move a queued entry", [](PlayListModel& m) { m.MoveEntry(1, 5); }, {"e4", "e1"}},
      {"move another across", [](PlayListModel& m) { m.MoveEntry(5, 0); }, {"e4", "e1"}},
      {"reorder", [](PlayListModel& m) { m.ReorderEntries({5, 4, 3, 2, 1, 0}); }, {"e4", "e1"}},
      {"rewrite a queued entry's text", [](PlayListModel& m) { m.SetEntry(4, "e4'"); }, {"e4'", "e1"}},
      {"queue again, and more", [](PlayListModel& m) { m.QueueEntries({1, 2, 99, -1}); }, {"e4", "e1", "e2"}},
      {"take the front", [](PlayListModel& m) { m.TakeQueueFront(); }, {"e1"}},
      {"clear", [](PlayListModel& m) { m.Clear(); }, {}},
      {"load another list", [](PlayListModel& m) { m.ReplaceEntries({"e4", "e1"}); }, {}},
  };
  for (const Case& c : cases) {
    PlayListModel model = ListOf(6, {4});
    model.QueueSelectedItems();
    model.SelectNoneItems();
    model.SetSelected(1, true);
    model.QueueSelectedItems();
    model.SelectNoneItems();
    c.apply(model);
    EXPECT_EQ(QueuedNames(model), c.queued) << c.edit;
    EXPECT_EQ(model.QueueEmpty(), c.queued.isEmpty()) << c.edit;
    const int32_t front = model.QueueFront();
    EXPECT_EQ(front < 0 ? QString() : model.Entry(front), c.queued.value(0)) << c.edit;
    for (int i = 0; i < model.TotalFiles(); ++i)
      EXPECT_EQ(model.QueuePlace(i), c.queued.indexOf(model.Entry(i)) + 1) << c.edit << " row " << i;
  }
}
