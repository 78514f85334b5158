// The playlist window's geometry rules, without a window: frame tiles,
// resize steps, the scroll button and the text of a row.
#include <gtest/gtest.h>

#include "playlist/PlayListDisplayOptions.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFrame.h"
#include "playlist/PlayListScrolling.h"

namespace {

using namespace PlayListFrame;

std::vector<std::pair<int, int>> Flat(const std::vector<BottomTile>& tiles) {
  std::vector<std::pair<int, int>> flat;
  for (const BottomTile& tile : tiles) flat.emplace_back(tile.Image, tile.Left);
  return flat;
}

TEST(PlayListFrameTest, BottomBarTilesForEachWidthBand) {
  using Tiles = std::vector<std::pair<int, int>>;
  const struct {
    int width;
    Tiles tiles;
  } cases[] = {
      {0, {}},                                           // the minimum window
      {24, {}},                                          // narrower than one tile
      {25, {{1, 0}, {1, 25}}},                           // one step wider
      {74, {{1, 0}, {1, 25}}},
      {75, {{2, 0}}},
      {99, {{2, 0}}},
      {100, {{1, 0}, {2, 25}}},
      {175, {{1, 0}, {1, 25}, {1, 50}, {1, 75}, {2, 100}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Flat(PlanBottomBar(c.width, 25, 75)), c.tiles) << c.width;
}

TEST(PlayListFrameTest, TitleBarMainImageOverlapsTheLeftRunByHalfATile) {
  // 300 wide: a 250-pixel canvas holds 3 tiles each side, plus one.
  const TitleBarPlan plan = PlanTitleBar(3, 25, 100);
  EXPECT_EQ(plan.TileLefts, (std::vector<int>{0, 25, 50, 75, 188, 213, 238, 263}));
  EXPECT_EQ(plan.MainLeft, 88);
  EXPECT_EQ(PlanTitleBar(0, 25, 100).TileLefts, (std::vector<int>{0, 113}));
}

TEST(PlayListFrameTest, CornerDragStepsByWholeTilesAndStopsAtTheMinimum) {
  const QSize corner(150, 38);
  const QSize minimum(275, 116);
  const struct {
    QPoint pointer;
    QSize panel;
    QSize expected;
  } cases[] = {
      {{140, 30}, {300, 225}, {300, 225}},  // still over the corner
      {{151, 30}, {300, 225}, {325, 225}},  // just past the right edge
      {{200, 90}, {300, 225}, {350, 300}},  // a fast move takes several steps
      {{124, -1}, {300, 225}, {275, 200}},  // shrinks on both axes
      {{-500, -500}, {300, 225}, {275, 116}},  // never below the minimum
      {{-500, 30}, {250, 100}, {275, 116}},    // a saved size below it is raised
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResizedPanel(c.pointer, corner, c.panel, minimum), c.expected)
        << c.pointer.x() << "," << c.pointer.y();
}

TEST(PlayListScrollingTest, ButtonPositionPicksAPage) {
  // 100 entries of 15 px in a 150 px list: 11 pages on a 167 px track, 15 px
  // each; an 18 px button travels 149 px.
  const struct {
    int total, listHeight, track, offset, caret;
  } cases[] = {
      {100, 150, 167, 0, 0},       // first page: the first entry
      {100, 150, 167, 14, 0},
      {100, 150, 167, 15, 19},     // second page: the last entry of the page after it
      {100, 150, 167, 45, 39},
      {100, 150, 167, 148, 99},
      {100, 108, 108, 90, 99},     // the bottom of the travel shows the end
      {100, 108, 108, 89, 92},
      {0, 150, 167, 80, 0},        // an empty list
      {100000, 150, 167, 1, 679},  // more pages than pixels: spread over the travel
      {100000, 150, 167, 149, 99999},
      {5, 0, 0, 10, 4},            // a collapsed list and track
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlayListScrolling::ScrollPageCaret(c.total, 15, c.listHeight, c.track, 18, c.offset), c.caret)
        << c.total << " entries, offset " << c.offset;
}

TEST(PlayListScrollingTest, ButtonFollowsTheListPosition) {
  using PlayListScrolling::ButtonOffsetForTop;
  EXPECT_EQ(ButtonOffsetForTop(0, 5, 10, 167, 18), 0);       // all in view
  EXPECT_EQ(ButtonOffsetForTop(0, 100, 10, 167, 18), 0);
  EXPECT_EQ(ButtonOffsetForTop(90, 100, 10, 167, 18), 149);  // last page at the bottom
  EXPECT_EQ(ButtonOffsetForTop(45, 100, 10, 167, 18), 74);
  EXPECT_EQ(ButtonOffsetForTop(999, 100, 10, 167, 18), 149);
  EXPECT_EQ(ButtonOffsetForTop(3, 100, 10, 10, 18), 0);      // track shorter than the button
}

TEST(PlayListDisplayTextTest, CounterAndModes) {
  using namespace GeneralFunctions;
  const QString entry = BuildPlayListEntry(QStringLiteral("/music/Band - Song.mp3"));
  const struct {
    int index;
    TPLDisplayOptions options;
    const char* text;
  } cases[] = {
      {9, doFullSongFileName, "10. /music/Band - Song.mp3"},
      {0, doOnlySongFileName, "1. Band - Song.mp3"},
      {0, doSongArtistTitle, "1. Band - Song"},
      {0, doFullSongFileName | doHideCounter, "/music/Band - Song.mp3"},
      {4, doSongArtistTitle | doHideCounter, "Band - Song"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DisplayTextOfEntry(entry, c.index, c.options), QString::fromUtf8(c.text));
}

}  // namespace
