// The equalizer's eleven sliders: press, drag with the left button, release
// (which hands the values to the filter), double click to the middle, and
// placing by program. While a slider is held the deck's artist window shows
// its value.
#include <cmath>

#include "dsp/EQFilters.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "equalizer/TEqualizerPresetsForm.h"
#include "skins/Sliders.h"
#include "skins/SpriteFunctions.h"

namespace {

constexpr int kThumbPressed = 1;

}  // namespace

PlatformUi::ImageControl& TEqualizerFormSkinned::SliderThumb(int index) const {
  return index == 0 ? *EQPreAmpButton : *EQBandButtons()[size_t(index - 1)];
}

PlatformUi::ImageControl& TEqualizerFormSkinned::SliderTrack(int index) const {
  return index == 0 ? *EQPreAmpImage : *EQBandImages()[size_t(index - 1)];
}

GeneralFunctions::SliderRecord& TEqualizerFormSkinned::SliderRecordOf(int index) {
  return index == 0 ? PreAmpSliderRecord : BandSliderRecords[size_t(index - 1)];
}

void TEqualizerFormSkinned::ShowSliderMessage(int index) {
  const QString value = SliderThumb(index).toolTip();
  const QString text =
      index == 0 ? QStringLiteral("EQ: PreAmp:") + value
                 : QStringLiteral("EQ: %1 Hz:").arg(std::lround(EQFilters::EQCentreFrequencies[size_t(index - 1)])) +
                       value;
  if (ShowInDeckArtistLine) ShowInDeckArtistLine(text);
}

void TEqualizerFormSkinned::SliderMouseDown(int index, int x, int y) {
  GeneralFunctions::SliderRecord& slider = SliderRecordOf(index);
  slider.PressX = x;
  slider.PressY = y;
  GeneralFunctions::ShowSprite(SliderThumb(index), EQBandButtonImageList, kThumbPressed);
  if (SetDeckScrolling) SetDeckScrolling(false);
  ShowSliderMessage(index);
}

void TEqualizerFormSkinned::SliderMouseMove(int index, int x, int y) {
  GeneralFunctions::SliderRecord& slider = SliderRecordOf(index);
  slider.CurrentX = x;
  slider.CurrentY = y;
  GeneralFunctions::DragVerticalSlider(SliderThumb(index), SliderTrack(index), EQBandsImageList, slider);
  SliderValues[size_t(index)] = int16_t(slider.Value);
  if (SetDeckScrolling) SetDeckScrolling(false);
  ShowSliderMessage(index);
  DrawEQDiagramImage();
}

// An open presets dialog follows the sliders the user sets.
void TEqualizerFormSkinned::SliderMouseUp(int index) {
  UpdateEqualizerControl(SliderThumb(index));
  if (EqualizerPresetsForm) EqualizerPresetsForm->FollowSliders();
}

// The thumb goes to the middle of its track; the release that follows a
// double click hands the value to the filter.
void TEqualizerFormSkinned::SliderDblClick(int index) {
  PlatformUi::ImageControl& thumb = SliderThumb(index);
  const PlatformUi::ImageControl& track = SliderTrack(index);
  GeneralFunctions::SliderRecord& slider = SliderRecordOf(index);
  thumb.move(thumb.x(), track.y());
  slider.PressY = track.y();
  slider.CurrentX = 0;
  slider.CurrentY = track.y() + (track.height() - thumb.height()) / 2;
  GeneralFunctions::DragVerticalSlider(thumb, SliderTrack(index), EQBandsImageList, slider);
  SliderValues[size_t(index)] = int16_t(slider.Value);
  ShowSliderMessage(index);
  DrawEQDiagramImage();
}

void TEqualizerFormSkinned::SliderClick(int index) {
  GeneralFunctions::ShowSprite(SliderTrack(index), EQBandsImageList, SliderRecordOf(index).SpriteIndex);
}

void TEqualizerFormSkinned::PlaceSlider(int index) {
  GeneralFunctions::SetVerticalSlider(SliderThumb(index), SliderTrack(index), EQBandsImageList,
                                      SliderRecordOf(index), SliderValues[size_t(index)]);
}
