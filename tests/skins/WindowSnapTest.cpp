#include <QWidget>

#include <gtest/gtest.h>

#include "skins/WindowSnap.h"
#include "support/TestEnvironment.h"

using namespace GeneralFunctions;

namespace {

class SnapTest : public testing::Test {
 protected:
  void SetUp() override {
    SnapDistance = 10;
    anchor.setGeometry(100, 100, 275, 116);
    moving.resize(275, 116);
    anchor.show();
    moving.show();
  }
  int Snap(int left, int top) {
    moving.move(left, top);
    return SnapWindow(anchor, moving, 0, dockedTo);
  }
  QWidget anchor{nullptr, Qt::FramelessWindowHint};
  QWidget moving{nullptr, Qt::FramelessWindowHint};
  uint8_t dockedTo = 3;
};

TEST_F(SnapTest, HiddenWindowsNeverSnap) {
  moving.hide();
  EXPECT_EQ(Snap(100, 216), snapNone);
  EXPECT_EQ(moving.pos(), QPoint(100, 216));
  EXPECT_EQ(dockedTo, 3);
  moving.show();
  anchor.hide();
  EXPECT_EQ(Snap(100, 216), snapNone);
  EXPECT_EQ(dockedTo, 3);
}

TEST_F(SnapTest, AboveTheAnchorLinesUpTheLeftEdgeWithinReach) {
  EXPECT_EQ(Snap(108, 100 - 116 - 10), snapAbove);
  EXPECT_EQ(moving.pos(), QPoint(100, 100 - 116));
  EXPECT_EQ(dockedTo, 0);
  EXPECT_EQ(Snap(150, 100 - 116 + 10), snapAbove);
  EXPECT_EQ(moving.pos(), QPoint(150, 100 - 116));
}

TEST_F(SnapTest, BelowTheAnchor) {
  EXPECT_EQ(Snap(95, 216 + 7), snapBelow);
  EXPECT_EQ(moving.pos(), QPoint(100, 216));
  EXPECT_EQ(Snap(111, 216 - 3), snapBelow);
  EXPECT_EQ(moving.pos(), QPoint(111, 216));
}

TEST_F(SnapTest, LeftAndRightOfTheAnchor) {
  EXPECT_EQ(Snap(100 - 275 - 9, 105), snapLeft);
  EXPECT_EQ(moving.pos(), QPoint(100 - 275, 100));
  EXPECT_EQ(Snap(375 + 4, 160), snapRight);
  EXPECT_EQ(moving.pos(), QPoint(375, 160));
}

TEST_F(SnapTest, OutOfReachOrCornerOnlyDoesNotSnap) {
  EXPECT_EQ(Snap(100, 216 + 11), snapNone);
  EXPECT_EQ(moving.pos(), QPoint(100, 227));
  // Touching at the bottom-right corner only, beyond the overlap both ways.
  EXPECT_EQ(Snap(375 + 11, 216 + 11), snapNone);
  EXPECT_EQ(dockedTo, 3);
}

TEST_F(SnapTest, MoveByDragKeepsTheSize) {
  moving.move(10, 20);
  MoveWindowByDrag(moving, 5, 6, 25, 2);
  EXPECT_EQ(moving.pos(), QPoint(30, 16));
  EXPECT_EQ(moving.size(), QSize(275, 116));
}

}  // namespace
