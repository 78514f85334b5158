// The deck's position, volume and balance sliders. While the volume or the
// balance button is held, the artist window shows its value instead of the
// scrolling text.
#include "app/TDeckForm.h"

#include "audio/KestrelixAudioApi.h"
#include "skins/BitmapText.h"
#include "skins/Sliders.h"
#include "skins/SpriteFunctions.h"

namespace {

namespace Audio = KestrelixAudioApi;

enum PositionButtonSprite { kPositionReleased = 0, kPositionPressed = 1 };
// The volume and balance buttons use their sprites the other way round.
enum LevelButtonSprite { kLevelPressed = 0, kLevelReleased = 1 };

void StorePress(GeneralFunctions::SliderRecord& slider, int x, int y) {
  slider.PressX = x;
  slider.PressY = y;
}

void StoreMove(GeneralFunctions::SliderRecord& slider, int x, int y) {
  slider.CurrentX = x;
  slider.CurrentY = y;
}

QString VolumeText(int value) { return QStringLiteral("Volume:%1").arg(value); }
QString BalanceText(int value) { return QStringLiteral("Balance:%1").arg(value); }

}  // namespace

void TDeckForm::ShowInArtistWindow(const QString& text) {
  GeneralFunctions::DrawBitmapText(text, ArtistWindowInfo.WidthInChars, 0, 0, FontSmallImageList,
                                   *SongArtistWindow);
}

void TDeckForm::PosBarButtonMouseDown(int x, int y) {
  StorePress(PositionSliderRecord, x, y);
  GeneralFunctions::ShowSprite(*PosBarButton, PosBarButtonImageList, kPositionPressed);
  Audio::vars.PositionDragging = 1;
}

void TDeckForm::PosBarButtonMouseMove(int x, int y) {
  StoreMove(PositionSliderRecord, x, y);
  GeneralFunctions::DragHorizontalSlider(*PosBarButton, *PosbarImage, PosBarImageList,
                                         PositionSliderRecord);
  Audio::vars.PositionPercent = PositionSliderRecord.Value;
}

// A stopped song is not moved: the next Play starts it from its beginning.
// A paused song is paused again after the move.
void TDeckForm::PosBarButtonMouseUp() {
  GeneralFunctions::ShowSprite(*PosBarButton, PosBarButtonImageList, kPositionReleased);
  if (Audio::vars.PlayStatus != Audio::psStopped) {
    Audio::AudioSetPosition();
    if (Audio::vars.PlayStatus == Audio::psPaused) Audio::AudioPause();
  }
  Audio::vars.PositionDragging = 0;
}

void TDeckForm::VolumeButtonMouseDown(int x, int y) {
  StorePress(VolumeSliderRecord, x, y);
  GeneralFunctions::ShowSprite(*VolumeButton, VolumeButtonImageList, kLevelPressed);
  ScrollTextEnabled = false;
  ShowInArtistWindow(VolumeText(VolumeSliderRecord.Value));
}

void TDeckForm::VolumeButtonMouseMove(int x, int y) {
  StoreMove(VolumeSliderRecord, x, y);
  // The player's own skins have an upright volume bar, Winamp skins a level one.
  if (GeneralFunctions::SkinIsWinamp == 1) {
    GeneralFunctions::DragHorizontalSlider(*VolumeButton, *VolumeImage, VolumeImageList,
                                           VolumeSliderRecord);
  } else {
    GeneralFunctions::DragVerticalSlider(*VolumeButton, *VolumeImage, VolumeImageList,
                                         VolumeSliderRecord);
  }
  Audio::vars.VolumeValue = VolumeSliderRecord.Value;
  Audio::AudioSetVolume();
  ShowInArtistWindow(VolumeText(VolumeSliderRecord.Value));
}

void TDeckForm::VolumeButtonMouseUp() {
  GeneralFunctions::ShowSprite(*VolumeButton, VolumeButtonImageList, kLevelReleased);
  ScrollTextEnabled = true;
}

void TDeckForm::VolumeButtonClick() {
  GeneralFunctions::ShowSprite(*VolumeImage, VolumeImageList, VolumeSliderRecord.SpriteIndex);
}

void TDeckForm::PlaceVolumeSlider(int value) {
  if (GeneralFunctions::SkinIsWinamp == 1) {
    GeneralFunctions::SetHorizontalSlider(*VolumeButton, *VolumeImage, VolumeImageList,
                                          VolumeSliderRecord, value);
  } else {
    GeneralFunctions::SetVerticalSlider(*VolumeButton, *VolumeImage, VolumeImageList,
                                        VolumeSliderRecord, value);
  }
}

void TDeckForm::BalanceButtonMouseDown(int x, int y) {
  StorePress(BalanceSliderRecord, x, y);
  GeneralFunctions::ShowSprite(*BalanceButton, BalanceButtonImageList, kLevelPressed);
  ScrollTextEnabled = false;
  ShowInArtistWindow(BalanceText(BalanceSliderRecord.Value));
}

void TDeckForm::BalanceButtonMouseMove(int x, int y) {
  StoreMove(BalanceSliderRecord, x, y);
  GeneralFunctions::DragBalanceSlider(*BalanceButton, *BalanceImage, BalanceImageList,
                                      BalanceSliderRecord);
  Audio::vars.BalanceValue = BalanceSliderRecord.Value;
  Audio::AudioSetBalance();
  ShowInArtistWindow(BalanceText(BalanceSliderRecord.Value));
}

void TDeckForm::BalanceButtonMouseUp() {
  GeneralFunctions::ShowSprite(*BalanceButton, BalanceButtonImageList, kLevelReleased);
  ScrollTextEnabled = true;
}

void TDeckForm::BalanceButtonDblClick() {
  constexpr int kCentre = 50;
  GeneralFunctions::SetBalanceSlider(*BalanceButton, *BalanceImage, BalanceImageList,
                                     BalanceSliderRecord, kCentre);
  Audio::vars.BalanceValue = kCentre;
  Audio::AudioSetBalance();
  ScrollTextEnabled = false;
  ShowInArtistWindow(BalanceText(kCentre));
}
