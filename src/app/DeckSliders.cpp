// The deck's position, volume and balance sliders, and the wheel and keys
// that step the volume and the position. While the volume or the balance
// button is held, the artist window shows its value instead of the scrolling
// text.
#include <QWheelEvent>

#include <algorithm>

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

// Volume and balance: the pressed button hides the scrolling text so that
// the artist window can show the value; the release brings the text back.
void PressLevelButton(GeneralFunctions::SliderRecord& slider, PlatformUi::ImageControl& button,
                      const PlatformUi::ImageList& sprites, int x, int y, bool& scrollTextEnabled) {
  StorePress(slider, x, y);
  GeneralFunctions::ShowSprite(button, sprites, kLevelPressed);
  scrollTextEnabled = false;
}

void ReleaseLevelButton(PlatformUi::ImageControl& button, const PlatformUi::ImageList& sprites,
                        bool& scrollTextEnabled) {
  GeneralFunctions::ShowSprite(button, sprites, kLevelReleased);
  scrollTextEnabled = true;
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
  if (Audio::vars.IsInternetStream == 1) return;  // a station cannot be wound on or back
  StoreMove(PositionSliderRecord, x, y);
  GeneralFunctions::DragHorizontalSlider(*PosBarButton, *PosbarImage, PosBarImageList,
                                         PositionSliderRecord);
  Audio::vars.PositionPercent = PositionSliderRecord.Value;
}

// A stopped song is not moved: the next Play starts it from its beginning.
// A paused song is paused again after the move.
void TDeckForm::MoveSongPosition() {
  if (Audio::vars.PlayStatus == Audio::psStopped) return;
  Audio::AudioSetPosition();
  if (Audio::vars.PlayStatus == Audio::psPaused) Audio::AudioPause();
}

void TDeckForm::PosBarButtonMouseUp() {
  GeneralFunctions::ShowSprite(*PosBarButton, PosBarButtonImageList, kPositionReleased);
  MoveSongPosition();
  Audio::vars.PositionDragging = 0;
}

void TDeckForm::SeekToSecond(int64_t seconds) {
  if (Audio::vars.PositionDragging == 1) return;  // the user's hand on the slider wins
  Audio::vars.SeekSeconds = seconds;
  MoveSongPosition();
  Audio::vars.SeekSeconds = -1;
  Audio::AudioGetPosition();
  DrawPositionSlider();
}

void TDeckForm::VolumeButtonMouseDown(int x, int y) {
  PressLevelButton(VolumeSliderRecord, *VolumeButton, VolumeButtonImageList, x, y,
                   ScrollTextEnabled);
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

void TDeckForm::SetVolumeLevel(int value) {
  PlaceVolumeSlider(value);
  Audio::vars.VolumeValue = VolumeSliderRecord.Value;
  Audio::AudioSetVolume();
}

void TDeckForm::StepVolume(int by) {
  SetVolumeLevel(std::clamp(VolumeSliderRecord.Value + by, 0, 100));
  ShowInArtistWindow(VolumeText(VolumeSliderRecord.Value));
}

// A station has no position to move to; a song stops short of its end and of its start.
void TDeckForm::SeekBy(int seconds) {
  const auto& vars = Audio::vars;
  if (vars.IsInternetStream == 1 || vars.TotalSeconds <= 0) return;
  const int64_t elapsed = Audio::HMSToSeconds(vars.ElapsedHours, vars.ElapsedMinutes, vars.ElapsedSeconds60);
  SeekToSecond(std::clamp<int64_t>(elapsed + seconds, 0, vars.TotalSeconds));
}

void TDeckForm::wheelEvent(QWheelEvent* event) {
  // One notch of a wheel is 120; finer wheels and touchpads add up to it.
  constexpr int kNotch = 120;
  wheelTurn_ += event->angleDelta().y();
  const int notches = wheelTurn_ / kNotch;
  wheelTurn_ %= kNotch;
  if (notches != 0) StepVolume(notches * kVolumeStep);
  event->accept();
}

void TDeckForm::VolumeButtonMouseUp() {
  ReleaseLevelButton(*VolumeButton, VolumeButtonImageList, ScrollTextEnabled);
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
  PressLevelButton(BalanceSliderRecord, *BalanceButton, BalanceButtonImageList, x, y,
                   ScrollTextEnabled);
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
  ReleaseLevelButton(*BalanceButton, BalanceButtonImageList, ScrollTextEnabled);
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
