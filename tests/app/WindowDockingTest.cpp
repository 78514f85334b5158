// Docking of three windows laid out as the player lays out its own: the
// deck at the top, the equalizer below it, the playlist editor below that.
#include <gtest/gtest.h>

#include <QWidget>

#include "app/WindowDocking.h"
#include "app/WindowPlacement.h"
#include "skins/WindowSnap.h"
#include "support/TestEnvironment.h"

namespace {

using namespace WindowDocking;

class WindowDockingTest : public testing::Test {
 protected:
  void SetUp() override {
    GeneralFunctions::SnapDistance = 10;
    deck.setGeometry(100, 100, 275, 116);
    equalizer.setGeometry(100, 216, 275, 116);
    playList.setGeometry(100, 332, 275, 232);
    for (QWidget* window : {&deck, &equalizer, &playList}) window->show();
  }
  void CheckBoth() {
    CheckIfEQFormIsSnappedToOtherForm(windows, docking);
    CheckIfPLFormIsSnappedToOtherForm(windows, docking);
  }

  QWidget deck{nullptr, Qt::FramelessWindowHint};
  QWidget equalizer{nullptr, Qt::FramelessWindowHint};
  QWidget playList{nullptr, Qt::FramelessWindowHint};
  Windows windows{&deck, &equalizer, &playList};
  Docking docking;
};

TEST_F(WindowDockingTest, AWindowInReachSnapsAndLinesUp) {
  equalizer.move(107, 223);  // 7 px below the deck, 7 px to the right
  CheckIfEQFormIsSnappedToOtherForm(windows, docking);
  EXPECT_EQ(equalizer.pos(), QPoint(100, 216));
  EXPECT_EQ(docking.Equalizer.DockedTo, diDeck);
  EXPECT_EQ(docking.Equalizer.DockSide, GeneralFunctions::snapBelow);

  equalizer.move(100 - 275 - 1, 100 - 116 - 1);  // by the deck's top-left corner only
  CheckIfEQFormIsSnappedToOtherForm(windows, docking);
  EXPECT_EQ(docking.Equalizer.DockSide, kNotDocked);
}

TEST_F(WindowDockingTest, TheDeckCarriesTheChainDockedToIt) {
  CheckBoth();
  ASSERT_EQ(docking.Equalizer.DockedTo, diDeck);
  ASSERT_EQ(docking.PlayList.DockedTo, diEqualizer);
  DragDeck(windows, docking, {10, 5}, {60, 45});
  EXPECT_EQ(deck.pos(), QPoint(150, 140));
  EXPECT_EQ(equalizer.pos(), QPoint(150, 256));
  EXPECT_EQ(playList.pos(), QPoint(150, 372));
}

TEST_F(WindowDockingTest, LeavingFreesOnlyWhatNoLongerTouches) {
  CheckBoth();
  equalizer.move(600, 600);
  CheckIfEQFormIsSnappedToOtherForm(windows, docking);
  EXPECT_EQ(docking.Equalizer.DockSide, kNotDocked);
  EXPECT_EQ(docking.PlayList.DockedTo, diFree);  // it was docked to the equalizer

  CheckBoth();
  DragDeck(windows, docking, {0, 0}, {5, 5});
  EXPECT_EQ(playList.pos(), QPoint(100, 332));  // nothing docked to the deck
}

TEST_F(WindowDockingTest, HidingFreesAndShowingDocksAgain) {
  CheckBoth();
  equalizer.hide();
  CheckBoth();
  EXPECT_EQ(docking.Equalizer.DockSide, kNotDocked);
  EXPECT_EQ(docking.PlayList.DockSide, kNotDocked);
  equalizer.show();
  CheckBoth();
  EXPECT_EQ(docking.Equalizer.DockedTo, diDeck);
  EXPECT_EQ(docking.PlayList.DockedTo, diEqualizer);
}

}  // namespace

TEST(WindowPlacement, WindowsOffEveryScreenComeBackToTheNearest) {
  const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  const struct {
    QRect window;
    QPoint expected;
  } cases[] = {
      {{100, 100, 275, 116}, {100, 100}},      // on screen
      {{1800, 50, 275, 116}, {1800, 50}},      // across two screens
      {{1900, -5, 275, 116}, {1900, -5}},      // title strip partly above, still grabbable
      {{1900, -10, 275, 116}, {1920, 0}},      // four rows showing: too few to grab
      {{-260, 10, 275, 116}, {0, 10}},         // 15 px showing: too narrow
      {{5000, 300, 275, 116}, {2925, 300}},    // right of everything: the second screen
      {{100, -500, 275, 116}, {100, 0}},       // above the first
      {{3100, 1200, 275, 116}, {2925, 908}},   // below the second, clamped into it
      {{0, 0, 4000, 50}, {0, 0}},              // larger than any screen, corner on one
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PositionOnScreens(c.window, screens), c.expected) << c.window.x() << "," << c.window.y();
  }
  EXPECT_EQ(PositionOnScreens({-9000, 0, 10, 10}, {}), QPoint(-9000, 0));
}
