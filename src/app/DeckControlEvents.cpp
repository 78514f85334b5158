// Connects the deck's skinned controls to their handlers: press buttons show
// their pressed sprite while held and act on a click, toggles follow their
// four-state machine, sliders report press, drag and release, from their
// buttons and their tracks.
#include "app/TDeckForm.h"
#include "skins/SkinnedButtons.h"

namespace {

using SkinnedButtons::Handler;

using PlatformUi::ImageControl;
using PlatformUi::ImageList;

// Slider handlers take the press and drag positions in the button; moves
// count only while the left button is held. A press on the track takes the
// button there at once, as if it had been pressed in its middle and dragged
// to the pointer; holding on drags it further, and the release is the
// button's.
void ConnectSlider(TDeckForm* deck, ImageControl* button, ImageControl* track,
                   void (TDeckForm::*down)(int, int), void (TDeckForm::*move)(int, int),
                   void (TDeckForm::*up)()) {
  QObject::connect(button, &ImageControl::MouseDown, deck, down);
  QObject::connect(button, &ImageControl::MouseMove, deck,
                   [deck, move](int x, int y, bool leftHeld) {
                     if (leftHeld) (deck->*move)(x, y);
                   });
  QObject::connect(button, &ImageControl::MouseUp, deck, up);

  const auto dragTo = [deck, track, button, move](int x, int y) {
    const QPoint inButton = QPoint(x, y) + track->pos() - button->pos();
    (deck->*move)(inButton.x(), inButton.y());
  };
  QObject::connect(track, &ImageControl::MouseDown, deck, [deck, button, down, dragTo](int x, int y) {
    (deck->*down)(button->width() / 2, button->height() / 2);
    dragTo(x, y);
  });
  QObject::connect(track, &ImageControl::MouseMove, deck, [dragTo](int x, int y, bool leftHeld) {
    if (leftHeld) dragTo(x, y);
  });
  QObject::connect(track, &ImageControl::MouseUp, deck, up);
}

}  // namespace

void TDeckForm::ConnectControls() {
  const ImageList& main = PlayerMainButtonsImageList;
  SkinnedButtons::ConnectPressButton(this, BackwardButton, main, 0,
                                     Handler(this, &TDeckForm::BackwardButtonClick));
  SkinnedButtons::ConnectPressButton(this, PlayButton, main, 2,
                                     Handler(this, &TDeckForm::PlayButtonClick));
  SkinnedButtons::ConnectPressButton(this, PauseButton, main, 4,
                                     Handler(this, &TDeckForm::PauseButtonClick));
  SkinnedButtons::ConnectPressButton(this, StopButton, main, 6,
                                     Handler(this, &TDeckForm::StopButtonClick));
  SkinnedButtons::ConnectPressButton(this, ForwardButton, main, 8,
                                     Handler(this, &TDeckForm::ForwardButtonClick));
  SkinnedButtons::ConnectPressButton(this, EjectButton, main, 10,
                                     Handler(this, &TDeckForm::EjectButtonClick));
  const ImageList& title = TitleBarButtonsImageList;
  SkinnedButtons::ConnectPressButton(this, MainMenuButton, title, 0,
                                     Handler(this, &TDeckForm::MainMenuButtonClick));
  SkinnedButtons::ConnectPressButton(this, MinimizeWindowButton, title, 2,
                                     Handler(this, &TDeckForm::MinimizeWindowButtonClick));
  SkinnedButtons::ConnectPressButton(this, CloseWindowButton, title, 4,
                                     Handler(this, &TDeckForm::CloseWindowButtonClick));

  SkinnedButtons::ConnectToggleButton(this, RepeatButton, RepeatButtonImageList, RepeatButtonState,
                                      0, Handler(this, &TDeckForm::RepeatButtonClick));
  SkinnedButtons::ConnectToggleButton(this, ShuffleButton, ShuffleButtonImageList,
                                      ShuffleButtonState, 0,
                                      Handler(this, &TDeckForm::ShuffleButtonClick));
  SkinnedButtons::ConnectToggleButton(this, EqualizerButton, EQPLButtonImageList,
                                      EqualizerButtonState, 0,
                                      Handler(this, &TDeckForm::EqualizerButtonClick));
  SkinnedButtons::ConnectToggleButton(this, PlaylistButton, EQPLButtonImageList,
                                      PlaylistButtonState, 4,
                                      Handler(this, &TDeckForm::PlaylistButtonClick));

  ConnectSlider(this, PosBarButton, PosbarImage, &TDeckForm::PosBarButtonMouseDown,
                &TDeckForm::PosBarButtonMouseMove, &TDeckForm::PosBarButtonMouseUp);
  ConnectSlider(this, VolumeButton, VolumeImage, &TDeckForm::VolumeButtonMouseDown,
                &TDeckForm::VolumeButtonMouseMove, &TDeckForm::VolumeButtonMouseUp);
  connect(VolumeButton, &ImageControl::Click, this, &TDeckForm::VolumeButtonClick);
  ConnectSlider(this, BalanceButton, BalanceImage, &TDeckForm::BalanceButtonMouseDown,
                &TDeckForm::BalanceButtonMouseMove, &TDeckForm::BalanceButtonMouseUp);
  connect(BalanceButton, &ImageControl::DblClick, this, &TDeckForm::BalanceButtonDblClick);

  connect(SongCurrectPlayingTimeWindow, &PlatformUi::PaintBox::Click, this,
          &TDeckForm::SongCurrectPlayingTimeWindowClick);
  connect(SongArtistWindow, &PlatformUi::PaintBox::Click, this, &TDeckForm::SongArtistWindowClick);
  connect(SongTitleWindow, &PlatformUi::PaintBox::Click, this, &TDeckForm::SongTitleWindowClick);
}
