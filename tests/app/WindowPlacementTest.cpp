// Where saved window positions that lie off every screen are brought back.
// (Docking itself is worked with the mouse in WindowLayoutTest.)
#include <gtest/gtest.h>

#include "app/WindowPlacement.h"

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
