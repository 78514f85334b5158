#pragma once
// Skinned sliders: a button image dragged along a bar image whose look is one
// of a row of bar sprites. After every drag or set the button's hint is the
// value in decimal and the bar shows the sprite of the new sprite index.
#include <cstdint>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"

namespace GeneralFunctions {

struct SliderRecord {
  int32_t PressX = 0;    // mouse position in the button when it was pressed
  int32_t PressY = 0;
  int32_t CurrentX = 0;  // mouse position in the button at the latest move
  int32_t CurrentY = 0;
  int32_t ButtonLeft = 0;  // start position along a horizontal bar
  int32_t ButtonTop = 0;   // start position along a vertical bar
  int32_t SpriteIndex = 0;
  int32_t HighestSpriteIndex = 0;
  // Position across the bar: a horizontal bar's button top is bar top + bar
  // height + offset, a vertical bar's button left is bar left + offset.
  int32_t CrossOffset = 0;
  int32_t Minimum = 0;
  int32_t Maximum = 100;
  int32_t Value = 0;
};

// Top of the bar is the maximum, bottom the minimum.
void DragVerticalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                        const PlatformUi::ImageList& barSprites, SliderRecord& slider);
void SetVerticalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                       const PlatformUi::ImageList& barSprites, SliderRecord& slider, int value);

// Left end of the bar is 0, right end the maximum.
void DragHorizontalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                          const PlatformUi::ImageList& barSprites, SliderRecord& slider);
void SetHorizontalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                         const PlatformUi::ImageList& barSprites, SliderRecord& slider,
                         int value);

// Moves like a horizontal slider; sprite 0 is the centred look and both ends
// show the highest sprite.
void DragBalanceSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                       const PlatformUi::ImageList& barSprites, SliderRecord& slider);
void SetBalanceSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                      const PlatformUi::ImageList& barSprites, SliderRecord& slider, int value);

}  // namespace GeneralFunctions
