// Where saved window positions that lie off every screen are brought back.
// (Docking itself is worked with the mouse in WindowLayoutTest.)
#include <gtest/gtest.h>

#include "app/WindowPlacement.h"
#include "app/WindowScaling.h"

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

// Double size and back with the windows docked: the corners stay where they
// are on the screen, docked windows stay against the doubled (or halved)
// deck, and what lay on the screen stays on it.
TEST(WindowScaling, DoubleSizeKeepsCornersAndDocking) {
  using namespace WindowDocking;
  const QList<ScreenArea> screens{{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},
                                  {{1280, 0, 1920, 1080}, {1280, 0, 1920, 1050}}};
  const QSize deck(300, 130);
  const QSize list(300, 225);
  Docking chain;  // equalizer below the deck, playlist editor below the equalizer
  chain.Equalizer = {diEqualizer, diDeck, 1};
  chain.PlayList = {diPlayList, diEqualizer, 1};
  Docking sideBySide;  // equalizer right of the deck, playlist editor free
  sideBySide.Equalizer = {diEqualizer, diDeck, 3};
  struct Places {
    QPoint deck, equalizer, playList;
  };
  const struct {
    const char* what;
    Places now;
    const Docking& docking;
    double ratio;
    Places expected;
  } cases[] = {
      {"a chain that fits doubled", {{81, 43}, {81, 173}, {91, 303}}, chain, 0.5,
       {{40, 21}, {40, 151}, {50, 281}}},
      {"and back", {{40, 21}, {40, 151}, {50, 281}}, chain, 2,
       {{80, 42}, {80, 172}, {90, 302}}},
      {"a chain too tall doubled moves up", {{81, 143}, {81, 273}, {81, 403}}, chain, 0.5,
       {{40, 27}, {40, 157}, {40, 287}}},
      {"side by side; a free window reaching past the screen comes back",
       {{81, 143}, {381, 143}, {700, 600}}, sideBySide, 0.5,
       {{40, 71}, {340, 71}, {340, 287}}},
      {"a window already off the screen is left to the start-up rule",
       {{81, 143}, {381, 143}, {1100, 900}}, sideBySide, 0.5,
       {{40, 71}, {340, 71}, {550, 450}}},
      {"on the second screen the scale runs from its corner",
       {{1400, 100}, {1700, 100}, {1500, 500}}, sideBySide, 0.5,
       {{1340, 50}, {1640, 50}, {1390, 250}}},
  };
  for (const auto& c : cases) {
    const Layout now{{c.now.deck, deck}, {c.now.equalizer, deck}, {c.now.playList, list}};
    const Layout placed = LayoutForScale(now, c.docking, c.ratio, screens);
    EXPECT_EQ(placed.Deck.topLeft(), c.expected.deck) << c.what;
    EXPECT_EQ(placed.Equalizer.topLeft(), c.expected.equalizer) << c.what;
    EXPECT_EQ(placed.PlayList.topLeft(), c.expected.playList) << c.what;
  }
}
