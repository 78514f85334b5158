#pragma once
// The deck's skinned controls and image lists. The skin loaders size, place
// and fill them; the deck's handlers drive them.
#include <QWidget>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"
#include "skins/ShadeStrip.h"
#include "skins/Sliders.h"

struct DeckSkinControls {
  explicit DeckSkinControls(QWidget* window);

  using Image = PlatformUi::ImageControl;
  using Canvas = PlatformUi::PaintBox;
  using List = PlatformUi::ImageList;

  QWidget* SkinWindow;
  Image* MainImage;
  Image* TitleBarImage;
  Image* MainMenuButton;
  Image* MinimizeWindowButton;
  Image* ToggleWindowButton;
  Image* CloseWindowButton;
  Image* BackwardButton;
  Image* PlayButton;
  Image* PauseButton;
  Image* StopButton;
  Image* ForwardButton;
  Image* EjectButton;
  Image* RepeatButton;
  Image* ShuffleButton;
  Image* EqualizerButton;
  Image* PlaylistButton;
  Image* PosbarImage;
  Image* PosBarButton;
  Image* BalanceImage;
  Image* BalanceButton;
  Image* VolumeImage;
  Image* VolumeButton;
  Image* MonoButton;
  Image* StereoButton;
  Image* TransmissionImage;
  Image* PlayPauseStateImage;
  Image* MP3Button;
  Image* MODButton;
  Image* CDButton;
  Canvas* VisualizationDrawingCanvas;
  Canvas* SongCurrectPlayingTimeWindow;
  Canvas* SongTotalTimeWindow;
  Canvas* KbpsTextWindow;
  Canvas* KhzTextWindow;
  Canvas* SongArtistWindow;
  Canvas* SongTitleWindow;
  Canvas* PlayerStatusWindow;
  // Covers the top of the deck while it is rolled up; on top of every control.
  SkinUnit::ShadeStrip* DeckShadeStrip;

  List PlayerMainButtonsImageList;
  List TitleBarImageList;
  List TitleBarButtonsImageList;
  List BalanceImageList;
  List BalanceButtonImageList;
  List VolumeImageList;
  List VolumeButtonImageList;
  List PosBarImageList;
  List PosBarButtonImageList;
  List EQPLButtonImageList;
  List RepeatButtonImageList;
  List ShuffleButtonImageList;
  List MonoStereoButtonImageList;
  List PlayPauseStateImageList;
  List TransmissionImageList;
  List NumbersImageList;
  List FontSmallImageList;
  List MP3MODCDImageList;
  // Windowshade: the strip (0 active, 1 inactive; empty when the skin has
  // none, and then the deck does not roll up), the small position bar and
  // its knob (at the left end, between, at the right end).
  List ShadeImageList;
  List ShadePosBarImageList;
  List ShadePosThumbImageList;

  GeneralFunctions::SliderRecord BalanceSliderRecord;
  GeneralFunctions::SliderRecord VolumeSliderRecord;
  GeneralFunctions::SliderRecord PositionSliderRecord;
};
