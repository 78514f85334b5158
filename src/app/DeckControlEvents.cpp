// Connects the deck's skinned controls to their handlers: press buttons show
// their pressed sprite while held and act on a click, toggles follow their
// four-state machine, sliders report press, drag and release.
#include "app/TDeckForm.h"
#include "app/ToggleButtonStates.h"
#include "skins/SpriteFunctions.h"

namespace {

using PlatformUi::ImageControl;
using PlatformUi::ImageList;

void ConnectPressButton(TDeckForm* deck, ImageControl* button, const ImageList& sprites,
                        int releasedSprite, void (TDeckForm::*click)()) {
  QObject::connect(button, &ImageControl::MouseDown, deck, [button, &sprites, releasedSprite] {
    GeneralFunctions::ShowSprite(*button, sprites, releasedSprite + 1);
  });
  QObject::connect(button, &ImageControl::MouseUp, deck, [button, &sprites, releasedSprite] {
    GeneralFunctions::ShowSprite(*button, sprites, releasedSprite);
  });
  if (click) QObject::connect(button, &ImageControl::Click, deck, click);
}

// `state` holds the sprite index: the toggle state plus `offset`.
void ConnectToggleButton(TDeckForm* deck, ImageControl* button, const ImageList& sprites,
                         int& state, int offset, void (TDeckForm::*click)()) {
  auto show = [button, &sprites, &state] { GeneralFunctions::ShowSprite(*button, sprites, state); };
  QObject::connect(button, &ImageControl::MouseDown, deck, [&state, offset, show] {
    state = DeckToggle::AfterMouseDown(state - offset) + offset;
    show();
  });
  QObject::connect(button, &ImageControl::MouseMove, deck,
                   [button, &state, offset, show](int x, int y, bool leftHeld) {
                     if (!leftHeld) return;
                     const bool inside =
                         DeckToggle::IsInside(x, y, button->width(), button->height());
                     state = DeckToggle::AfterMouseMove(state - offset, inside) + offset;
                     show();
                   });
  QObject::connect(
      button, &ImageControl::MouseUp, deck, [button, &state, offset, show](int x, int y) {
        const bool inside = DeckToggle::IsInside(x, y, button->width(), button->height());
        state = DeckToggle::AfterMouseUp(state - offset, inside) + offset;
        show();
      });
  QObject::connect(button, &ImageControl::Click, deck, click);
}

// Slider handlers take the press and drag positions; moves count only while
// the left button is held.
void ConnectSlider(TDeckForm* deck, ImageControl* button, void (TDeckForm::*down)(int, int),
                   void (TDeckForm::*move)(int, int), void (TDeckForm::*up)()) {
  QObject::connect(button, &ImageControl::MouseDown, deck, down);
  QObject::connect(button, &ImageControl::MouseMove, deck,
                   [deck, move](int x, int y, bool leftHeld) {
                     if (leftHeld) (deck->*move)(x, y);
                   });
  QObject::connect(button, &ImageControl::MouseUp, deck, up);
}

}  // namespace

void TDeckForm::ConnectControls() {
  const ImageList& main = PlayerMainButtonsImageList;
  ConnectPressButton(this, BackwardButton, main, 0, &TDeckForm::BackwardButtonClick);
  ConnectPressButton(this, PlayButton, main, 2, &TDeckForm::PlayButtonClick);
  ConnectPressButton(this, PauseButton, main, 4, &TDeckForm::PauseButtonClick);
  ConnectPressButton(this, StopButton, main, 6, &TDeckForm::StopButtonClick);
  ConnectPressButton(this, ForwardButton, main, 8, &TDeckForm::ForwardButtonClick);
  ConnectPressButton(this, EjectButton, main, 10, &TDeckForm::EjectButtonClick);
  const ImageList& title = TitleBarButtonsImageList;
  ConnectPressButton(this, MainMenuButton, title, 0, &TDeckForm::MainMenuButtonClick);
  ConnectPressButton(this, MinimizeWindowButton, title, 2, &TDeckForm::MinimizeWindowButtonClick);
  ConnectPressButton(this, CloseWindowButton, title, 4, &TDeckForm::CloseWindowButtonClick);

  ConnectToggleButton(this, RepeatButton, RepeatButtonImageList, RepeatButtonState, 0,
                      &TDeckForm::RepeatButtonClick);
  ConnectToggleButton(this, ShuffleButton, ShuffleButtonImageList, ShuffleButtonState, 0,
                      &TDeckForm::ShuffleButtonClick);
  ConnectToggleButton(this, EqualizerButton, EQPLButtonImageList, EqualizerButtonState, 0,
                      &TDeckForm::EqualizerButtonClick);
  ConnectToggleButton(this, PlaylistButton, EQPLButtonImageList, PlaylistButtonState, 4,
                      &TDeckForm::PlaylistButtonClick);

  ConnectSlider(this, PosBarButton, &TDeckForm::PosBarButtonMouseDown,
                &TDeckForm::PosBarButtonMouseMove, &TDeckForm::PosBarButtonMouseUp);
  ConnectSlider(this, VolumeButton, &TDeckForm::VolumeButtonMouseDown,
                &TDeckForm::VolumeButtonMouseMove, &TDeckForm::VolumeButtonMouseUp);
  connect(VolumeButton, &ImageControl::Click, this, &TDeckForm::VolumeButtonClick);
  ConnectSlider(this, BalanceButton, &TDeckForm::BalanceButtonMouseDown,
                &TDeckForm::BalanceButtonMouseMove, &TDeckForm::BalanceButtonMouseUp);
  connect(BalanceButton, &ImageControl::DblClick, this, &TDeckForm::BalanceButtonDblClick);

  connect(SongCurrectPlayingTimeWindow, &PlatformUi::PaintBox::Click, this,
          &TDeckForm::SongCurrectPlayingTimeWindowClick);
  connect(SongArtistWindow, &PlatformUi::PaintBox::Click, this, &TDeckForm::SongArtistWindowClick);
  connect(SongTitleWindow, &PlatformUi::PaintBox::Click, this, &TDeckForm::SongTitleWindowClick);
}
