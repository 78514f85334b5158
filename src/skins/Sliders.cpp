#include "Sliders.h"

#include <algorithm>

#include "skins/SpriteFunctions.h"

namespace GeneralFunctions {

namespace {

// The arithmetic divides by the maximum and by the room the button has to
// travel; a zero of either (a bar no longer than its button, or an empty
// range) pins the slider instead of dividing by zero.
int Scaled(int numerator, int factor, int denominator) {
  return denominator == 0 ? 0 : numerator * factor / denominator;
}

int VerticalSprite(const SliderRecord& s) {
  return s.HighestSpriteIndex - Scaled(s.Maximum - s.Value, s.HighestSpriteIndex, s.Maximum);
}

int HorizontalSprite(const SliderRecord& s) {
  return Scaled(s.Value, s.HighestSpriteIndex, s.Maximum);
}

int BalanceSprite(const SliderRecord& s) {
  const int middle = (s.Maximum + s.Minimum) / 2;
  if (s.Value > middle) return Scaled(s.Value, s.HighestSpriteIndex, s.Maximum);
  if (s.Value < middle)
    return s.HighestSpriteIndex - Scaled(s.Value, s.HighestSpriteIndex, s.Maximum);
  return 0;
}

// Takes the new sprite index and shows the value and the bar sprite.
void Show(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
          const PlatformUi::ImageList& barSprites, SliderRecord& slider, int spriteIndex) {
  slider.SpriteIndex = spriteIndex;
  button.setToolTip(QString::number(slider.Value));
  ShowSprite(bar, barSprites, slider.SpriteIndex);
}

int VerticalRoom(const PlatformUi::ImageControl& button, const PlatformUi::ImageControl& bar) {
  return std::max(0, bar.height() - button.height());
}

int HorizontalRoom(const PlatformUi::ImageControl& button, const PlatformUi::ImageControl& bar) {
  return std::max(0, bar.width() - button.width());
}

int HorizontalTop(const PlatformUi::ImageControl& bar, const SliderRecord& slider) {
  return bar.y() + bar.height() + slider.CrossOffset;
}

// Moves the button by the drag and derives the value from where it lands.
void DragHorizontally(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                      SliderRecord& slider) {
  const int room = HorizontalRoom(button, bar);
  const int left =
      std::clamp(button.x() + (slider.CurrentX - slider.PressX), bar.x(), bar.x() + room);
  button.move(left, HorizontalTop(bar, slider));
  slider.Value = Scaled(left - bar.x(), slider.Maximum, room);
}

void SetHorizontally(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                     SliderRecord& slider, int value) {
  const int left = Scaled(value, HorizontalRoom(button, bar), slider.Maximum) + bar.x();
  button.move(left, HorizontalTop(bar, slider));
  slider.Value = value;
}

}  // namespace

void DragVerticalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                        const PlatformUi::ImageList& barSprites, SliderRecord& slider) {
  const int room = VerticalRoom(button, bar);
  const int top =
      std::clamp(button.y() + (slider.CurrentY - slider.PressY), bar.y(), bar.y() + room);
  button.move(bar.x() + slider.CrossOffset, top);
  slider.Value = room == 0 ? slider.Maximum
                           : slider.Maximum - Scaled(top - bar.y(), slider.Maximum, room);
  Show(button, bar, barSprites, slider, VerticalSprite(slider));
}

void SetVerticalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                       const PlatformUi::ImageList& barSprites, SliderRecord& slider,
                       int value) {
  const int top =
      Scaled(slider.Maximum - value, VerticalRoom(button, bar), slider.Maximum) + bar.y();
  button.move(bar.x() + slider.CrossOffset, top);
  slider.Value = value;
  Show(button, bar, barSprites, slider, VerticalSprite(slider));
}

void DragHorizontalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                          const PlatformUi::ImageList& barSprites, SliderRecord& slider) {
  DragHorizontally(button, bar, slider);
  Show(button, bar, barSprites, slider, HorizontalSprite(slider));
}

void SetHorizontalSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                         const PlatformUi::ImageList& barSprites, SliderRecord& slider,
                         int value) {
  SetHorizontally(button, bar, slider, value);
  Show(button, bar, barSprites, slider, HorizontalSprite(slider));
}

void DragBalanceSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                       const PlatformUi::ImageList& barSprites, SliderRecord& slider) {
  DragHorizontally(button, bar, slider);
  Show(button, bar, barSprites, slider, BalanceSprite(slider));
}

void SetBalanceSlider(PlatformUi::ImageControl& button, PlatformUi::ImageControl& bar,
                      const PlatformUi::ImageList& barSprites, SliderRecord& slider, int value) {
  SetHorizontally(button, bar, slider, value);
  Show(button, bar, barSprites, slider, BalanceSprite(slider));
}

}  // namespace GeneralFunctions
