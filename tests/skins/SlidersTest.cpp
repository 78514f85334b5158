#include <QWidget>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/Sliders.h"
#include "support/TestEnvironment.h"

using namespace GeneralFunctions;

namespace {

// The equalizer's band slider: a 13 x 65 track at 66, 58 and an 11 x 11 knob.
class VerticalSliderTest : public testing::Test {
 protected:
  void SetUp() override {
    bar.setGeometry(66, 58, 13, 65);
    button.setGeometry(67, 64, 11, 11);
    slider.HighestSpriteIndex = 27;
    slider.CrossOffset = 1;
  }
  void DragBy(int dy) {
    slider.PressY = 5;
    slider.CurrentY = 5 + dy;
    DragVerticalSlider(button, bar, sprites, slider);
  }
  QWidget window;
  PlatformUi::ImageControl bar{&window};
  PlatformUi::ImageControl button{&window};
  PlatformUi::ImageList sprites = SkinTests::NumberedSprites(28, 13, 65);
  SliderRecord slider;
};

TEST_F(VerticalSliderTest, TopIsTheMaximumBottomIsZero) {
  DragBy(-1000);
  EXPECT_EQ(button.pos(), QPoint(67, 58));
  EXPECT_EQ(slider.Value, 100);
  EXPECT_EQ(slider.SpriteIndex, 27);
  EXPECT_EQ(button.toolTip(), "100");
  EXPECT_EQ(bar.Picture().pixel(0, 0), SkinTests::Numbered(27));

  DragBy(1);  // one pixel in from the top: 100 - 100 / 54
  EXPECT_EQ(button.y(), 59);
  EXPECT_EQ(slider.Value, 99);
  EXPECT_EQ(slider.SpriteIndex, 27);

  DragBy(1000);
  EXPECT_EQ(button.y(), 58 + 65 - 11);
  EXPECT_EQ(slider.Value, 0);
  EXPECT_EQ(slider.SpriteIndex, 0);

  DragBy(-1);  // one pixel in from the bottom
  EXPECT_EQ(slider.Value, 100 - 53 * 100 / 54);
  EXPECT_EQ(slider.SpriteIndex, 27 - (100 - slider.Value) * 27 / 100);
}

TEST_F(VerticalSliderTest, SetPlacesTheKnobForTheValue) {
  SetVerticalSlider(button, bar, sprites, slider, 50);
  EXPECT_EQ(button.pos(), QPoint(67, 58 + 27));
  EXPECT_EQ(slider.SpriteIndex, 27 - 50 * 27 / 100);
  EXPECT_EQ(bar.Picture().pixel(0, 0), SkinTests::Numbered(14));
  SetVerticalSlider(button, bar, sprites, slider, 100);
  EXPECT_EQ(button.y(), 58);
  SetVerticalSlider(button, bar, sprites, slider, 0);
  EXPECT_EQ(button.y(), 58 + 54);
  EXPECT_EQ(button.toolTip(), "0");
}

TEST_F(VerticalSliderTest, BarNoLongerThanTheButtonDoesNotDivideByZero) {
  bar.setGeometry(66, 58, 13, 11);
  DragBy(30);
  EXPECT_EQ(button.y(), 58);
  slider.Maximum = 0;
  SetVerticalSlider(button, bar, sprites, slider, 0);
  DragBy(3);
  EXPECT_EQ(button.y(), 58);
}

// The Winamp volume bar: 68 x 13 at 107, 57 with a 14 x 11 button.
class HorizontalSliderTest : public testing::Test {
 protected:
  void SetUp() override {
    bar.setGeometry(107, 57, 68, 13);
    button.setGeometry(150, 58, 14, 11);
    slider.HighestSpriteIndex = 27;
    slider.CrossOffset = -12;
  }
  void DragBy(int dx) {
    slider.PressX = 3;
    slider.CurrentX = 3 + dx;
    DragHorizontalSlider(button, bar, sprites, slider);
  }
  QWidget window;
  PlatformUi::ImageControl bar{&window};
  PlatformUi::ImageControl button{&window};
  PlatformUi::ImageList sprites = SkinTests::NumberedSprites(28, 68, 13);
  SliderRecord slider;
};

TEST_F(HorizontalSliderTest, EndsClampAndValuesFollowThePosition) {
  DragBy(-500);
  EXPECT_EQ(button.pos(), QPoint(107, 57 + 13 - 12));
  EXPECT_EQ(slider.Value, 0);
  EXPECT_EQ(slider.SpriteIndex, 0);
  DragBy(1);
  EXPECT_EQ(slider.Value, 100 / 54);
  DragBy(500);
  EXPECT_EQ(button.x(), 107 + 54);
  EXPECT_EQ(slider.Value, 100);
  EXPECT_EQ(slider.SpriteIndex, 27);
  EXPECT_EQ(bar.Picture().pixel(0, 0), SkinTests::Numbered(27));
}

TEST_F(HorizontalSliderTest, SetPlacesTheButton) {
  SetHorizontalSlider(button, bar, sprites, slider, 78);
  EXPECT_EQ(button.x(), 78 * 54 / 100 + 107);
  EXPECT_EQ(slider.SpriteIndex, 78 * 27 / 100);
  EXPECT_EQ(button.toolTip(), "78");
}

TEST_F(HorizontalSliderTest, BalanceShowsTheCentreLookInTheMiddleAndTheLastAtBothEnds) {
  SetBalanceSlider(button, bar, sprites, slider, 50);
  EXPECT_EQ(slider.SpriteIndex, 0);
  SetBalanceSlider(button, bar, sprites, slider, 0);
  EXPECT_EQ(slider.SpriteIndex, 27);
  SetBalanceSlider(button, bar, sprites, slider, 100);
  EXPECT_EQ(slider.SpriteIndex, 27);
  SetBalanceSlider(button, bar, sprites, slider, 25);
  EXPECT_EQ(slider.SpriteIndex, 27 - 25 * 27 / 100);
  SetBalanceSlider(button, bar, sprites, slider, 51);
  EXPECT_EQ(slider.SpriteIndex, 51 * 27 / 100);

  slider.PressX = 0;
  slider.CurrentX = -1000;
  DragBalanceSlider(button, bar, sprites, slider);
  EXPECT_EQ(slider.Value, 0);
  EXPECT_EQ(slider.SpriteIndex, 27);
  EXPECT_EQ(bar.Picture().pixel(0, 0), SkinTests::Numbered(27));
}

}  // namespace
