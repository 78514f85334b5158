#include "NativeSkinLoader.h"

#include "skins/DeckSkinControls.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/PlayListSkinControls.h"
#include "skins/BitmapText.h"
#include "skins/SkinCursors.h"
#include "skins/SkinLoading.h"
#include "skins/SkinTextFiles.h"
#include "skins/SkinUnit.h"
#include "skins/SpriteFunctions.h"

namespace SkinUnit {

namespace {

using GeneralFunctions::ShowSprite;
using GeneralFunctions::SliceToImage;
using GeneralFunctions::SliderRecord;

constexpr int kWindowWidth = 300;
constexpr int kWindowHeight = 130;

void LayOutDeck(DeckSkinControls& d) {
  Place(d.MainImage, 0, 0, 300, 130);
  Place(d.TitleBarImage, 0, 0, 300, 15);
  Place(d.MainMenuButton, 3, 3, 9, 9);
  Place(d.MinimizeWindowButton, 276, 3, 9, 9);
  Place(d.ToggleWindowButton, 253, 3, 9, 9);
  Place(d.CloseWindowButton, 288, 3, 9, 9);
  Place(d.BackwardButton, 57, 108, 30, 20);
  Place(d.PlayButton, 88, 108, 30, 20);
  Place(d.PauseButton, 119, 108, 30, 20);
  Place(d.StopButton, 150, 108, 30, 20);
  Place(d.ForwardButton, 181, 108, 30, 20);
  Place(d.EjectButton, 213, 108, 30, 20);
  Place(d.RepeatButton, 0, 15, 55, 16);
  Place(d.ShuffleButton, 0, 31, 55, 16);
  Place(d.EqualizerButton, 0, 47, 55, 16);
  Place(d.PlaylistButton, 0, 63, 55, 16);
  Place(d.PosbarImage, 58, 89, 184, 15);
  Place(d.PosBarButton, 58, 89, 26, 9);
  Place(d.BalanceImage, 244, 97, 55, 13);
  Place(d.BalanceButton, 266, 97, 5, 11);
  Place(d.VolumeImage, 265, 29, 13, 55);
  Place(d.VolumeButton, 266, 29, 11, 5);
  Place(d.MonoButton, 57, 56, 32, 13);
  Place(d.StereoButton, 92, 56, 32, 13);
  Place(d.VisualizationDrawingCanvas, 24, 243, 76, 16);
  Place(d.SongCurrectPlayingTimeWindow, 138, 43, 48, 13);
  Place(d.SongTotalTimeWindow, 201, 43, 48, 13);
  Place(d.TransmissionImage, 63, 45, 3, 9);
  Place(d.PlayPauseStateImage, 65, 45, 9, 9);
  Place(d.KbpsTextWindow, 126, 56, 24, 13);
  Place(d.KhzTextWindow, 191, 56, 40, 13);
  Place(d.MP3Button, 58, 72, 60, 16);
  Place(d.MODButton, 120, 72, 60, 16);
  Place(d.CDButton, 182, 72, 60, 16);
  Place(d.SongArtistWindow, 57, 17, 192, 13);
  Place(d.SongTitleWindow, 57, 30, 192, 13);
  Place(d.PlayerStatusWindow, 81, 43, 56, 13);

  d.PlayerMainButtonsImageList.SetSize(30, 20);
  d.TitleBarImageList.SetSize(300, 15);
  d.TitleBarButtonsImageList.SetSize(9, 9);
  d.BalanceImageList.SetSize(55, 13);
  d.BalanceButtonImageList.SetSize(5, 11);
  d.VolumeImageList.SetSize(13, 55);
  d.VolumeButtonImageList.SetSize(11, 5);
  d.PosBarImageList.SetSize(184, 15);
  d.PosBarButtonImageList.SetSize(26, 9);
  d.EQPLButtonImageList.SetSize(55, 16);
  d.RepeatButtonImageList.SetSize(55, 16);
  d.ShuffleButtonImageList.SetSize(55, 16);
  d.MonoStereoButtonImageList.SetSize(32, 13);
  d.PlayPauseStateImageList.SetSize(9, 9);
  d.TransmissionImageList.SetSize(3, 9);
  d.NumbersImageList.SetSize(8, 13);
  d.FontSmallImageList.SetSize(8, 13);
  d.MP3MODCDImageList.SetSize(60, 16);

  d.BalanceSliderRecord.ButtonLeft = 266;
  SetSlider(d.BalanceSliderRecord, -12, 25, 50, 0);
  d.VolumeSliderRecord.ButtonLeft = 266;
  SetSlider(d.VolumeSliderRecord, 1, 25, 78, 21);
  SetSlider(d.PositionSliderRecord, -12, 25, 0, 0);
}

void LayOutEqualizer(EqualizerSkinControls& e) {
  Place(e.EQMainImage, 0, 0, 300, 130);
  Place(e.EQTitleBarImage, 0, 0, 300, 15);
  Place(e.EQMainMenuButton, 3, 3, 9, 9);
  Place(e.EQCloseWindowButton, 288, 3, 9, 9);
  Place(e.EQToggleWindowButton, 254, 3, 9, 9);
  Place(e.EQDiagramImageCanvas, 75, 16, 156, 37);
  Place(e.EQDiagramPreAmpLine, 77, 40, 152, 1);
  Place(e.EQOnButton, 259, 30, 25, 12);
  Place(e.EQAutoButton, 21, 22, 33, 12);
  Place(e.EQPresetsButton, 15, 38, 44, 12);
  LayOutEqualizerSliders(e, 265, 66, 58, QSize(13, 65));
  Place(e.EQVolLevelCanvas, 21, 57, 30, 65);

  e.EQDiagramImageList.SetSize(156, 37);
  e.EQOnButtonImageList.SetSize(25, 12);
  e.EQAutoButtonImageList.SetSize(33, 12);
  e.EQPresetsButtonImageList.SetSize(44, 12);
  e.EQTitleBarButtonsImageList.SetSize(9, 9);
  e.EQTitleBarImageList.SetSize(300, 15);
  e.EQVisualEffectsImageList.SetSize(15, 33);
  e.EQVisualEffectsVolLevelImageList.SetSize(13, 65);
}

void LayOutPlayList(PlayListSkinControls& p) {
  // The info area holds 18 characters of the 8-pixel font: it ends where the
  // bottom-right part's 120-pixel display ends and reaches 24 pixels left of
  // that part, so the narrowest window keeps one 25-pixel step of the bottom
  // bar between the two parts for it.
  constexpr int kInfoReachLeft = 25;
  LayOutPlayListParts(p, {13, 31, 28, 20, 60, 80, {1, 33, 65, 97, 129}, {126, 11, 144, 13}});
  p.PLMainMenuButton->setGeometry(p.PLTitleBarLeftImage->x() + 3, 3, 9, 9);
  p.PLMinimumSize = QSize(p.PLBottomLeftImage->width() + kInfoReachLeft + p.PLBottomRightImage->width(),
                          p.PLTitleBarLeftImage->height() + p.PLBottomLeftImage->height() +
                              2 * p.PLVerticalLeftImage->height());
  p.ArrangePlayListFrame();
}

void CutDeckMain(const QImage& bmp, DeckSkinControls& d) {
  const int mainHeight = d.MainImage->height();
  const int titleHeight = d.TitleBarImage->height();
  SliceToImage(bmp, 0, 0, d.MainImage->width(), mainHeight, *d.MainImage);
  const int titleWidth = d.TitleBarImageList.Width();
  CutSprites(bmp, d.TitleBarImageList,
             {{0, mainHeight + 1, titleWidth, titleHeight},
              {0, mainHeight + titleHeight + 2, titleWidth, titleHeight}});
  CutStrip(bmp, d.TitleBarButtonsImageList, 6, 0, mainHeight + 2 * (titleHeight + 1) + 1, 9, 0,
           9, 9);
  ShowSprite(*d.TitleBarImage, d.TitleBarImageList, 0);
  ShowSprite(*d.MainMenuButton, d.TitleBarButtonsImageList, 0);
  ShowSprite(*d.MinimizeWindowButton, d.TitleBarButtonsImageList, 2);
  ShowSprite(*d.CloseWindowButton, d.TitleBarButtonsImageList, 4);
  ShowSprite(*d.ToggleWindowButton, d.TitleBarButtonsImageList, 6);
}

void CutPlayButtons(const QImage& bmp, DeckSkinControls& d) {
  const int w = d.PlayButton->width();
  const int h = d.PlayButton->height();
  PlatformUi::ImageControl* buttons[] = {d.BackwardButton, d.PlayButton,    d.PauseButton,
                                         d.StopButton,     d.ForwardButton, d.EjectButton};
  for (int k = 0; k < 6; ++k) {
    CutSprites(bmp, d.PlayerMainButtonsImageList, {{w * k, 0, w, h}, {w * k, h, w, h}});
    ShowSprite(*buttons[k], d.PlayerMainButtonsImageList, 2 * k);
  }
}

// Four-state toggle sprites stacked in one column: off, off pressed, on, on pressed.
void CutToggleColumn(const QImage& bmp, PlatformUi::ImageList& list, int x) {
  CutStrip(bmp, list, 4, x, 0, 0, list.Height(), list.Width(), list.Height());
}

void CutDeckToggles(SkinFileSource& files, DeckSkinControls& d) {
  if (auto bmp = files.Bitmap(QStringLiteral("ShuffleRepeat.bmp"))) {
    CutToggleColumn(*bmp, d.RepeatButtonImageList, 0);
    CutToggleColumn(*bmp, d.ShuffleButtonImageList, d.RepeatButtonImageList.Width());
    ShowSprite(*d.RepeatButton, d.RepeatButtonImageList, 0);
    ShowSprite(*d.ShuffleButton, d.ShuffleButtonImageList, 0);
  }
  if (auto bmp = files.Bitmap(QStringLiteral("EQPLButtons.bmp"))) {
    CutToggleColumn(*bmp, d.EQPLButtonImageList, 0);
    CutToggleColumn(*bmp, d.EQPLButtonImageList, d.EQPLButtonImageList.Width());
    ShowSprite(*d.EqualizerButton, d.EQPLButtonImageList, 0);
    ShowSprite(*d.PlaylistButton, d.EQPLButtonImageList, 4);
  }
  if (auto bmp = files.Bitmap(QStringLiteral("MP3MODCD.bmp"))) {
    const int w = d.MP3MODCDImageList.Width();
    PlatformUi::ImageControl* lamps[] = {d.MP3Button, d.MODButton, d.CDButton};
    for (int k = 0; k < 3; ++k) {
      CutToggleColumn(*bmp, d.MP3MODCDImageList, w * k);
      ShowSprite(*lamps[k], d.MP3MODCDImageList, 4 * k);
    }
  }
}

void CutDeckBars(SkinFileSource& files, DeckSkinControls& d) {
  if (auto bmp = files.Bitmap(QStringLiteral("VolumeBars.bmp"))) {
    CutStrip(*bmp, d.VolumeImageList, 26, 0, 0, 13, 0, 13, 55);
    CutSprites(*bmp, d.VolumeButtonImageList, {{338, 0, 11, 5}, {338, 5, 11, 5}});
    ShowSprite(*d.VolumeImage, d.VolumeImageList, d.VolumeSliderRecord.SpriteIndex);
    ShowSprite(*d.VolumeButton, d.VolumeButtonImageList, 1);
  }
  if (auto bmp = files.Bitmap(QStringLiteral("BalanceBars.bmp"))) {
    CutStrip(*bmp, d.BalanceImageList, 26, 0, 0, 0, 13, 55, 13);
    CutSprites(*bmp, d.BalanceButtonImageList, {{0, 338, 5, 11}, {5, 338, 5, 11}});
    ShowSprite(*d.BalanceImage, d.BalanceImageList, d.BalanceSliderRecord.SpriteIndex);
    ShowSprite(*d.BalanceButton, d.BalanceButtonImageList, 1);
  }
  if (auto bmp = files.Bitmap(QStringLiteral("PositionBar.bmp"))) {
    CutStrip(*bmp, d.PosBarImageList, 26, 0, 0, 0, 15, 184, 15);
    CutSprites(*bmp, d.PosBarButtonImageList, {{0, 390, 26, 9}, {26, 390, 26, 9}});
    ShowSprite(*d.PosbarImage, d.PosBarImageList, 0);
    ShowSprite(*d.PosBarButton, d.PosBarButtonImageList, 0);
  }
}

void CutDeckLamps(SkinFileSource& files, DeckSkinControls& d) {
  if (auto bmp = files.Bitmap(QStringLiteral("MonoStereo.bmp"))) {
    CutSprites(*bmp, d.MonoStereoButtonImageList,
               {{0, 0, 32, 13}, {0, 13, 32, 13}, {32, 0, 32, 13}, {32, 13, 32, 13}});
    ShowSprite(*d.StereoButton, d.MonoStereoButtonImageList, 1);
    ShowSprite(*d.MonoButton, d.MonoStereoButtonImageList, 3);
  }
  if (auto bmp = files.Bitmap(QStringLiteral("playpaus.bmp"))) {
    CutStrip(*bmp, d.PlayPauseStateImageList, 4, 0, 0, 9, 0, 9, 9);
    CutSprites(*bmp, d.TransmissionImageList, {{36, 0, 3, 9}, {39, 0, 3, 9}});
    ShowSprite(*d.PlayPauseStateImage, d.PlayPauseStateImageList, 0);
    ShowSprite(*d.TransmissionImage, d.TransmissionImageList, 0);
  }
}

// 95 cells for the codes 32 to 126, row by row.
void CutFont(const QImage& bmp, PlatformUi::ImageList& font) {
  const int cellsPerRow[] = {33, 26, 6, 26, 4};
  const int w = font.Width();
  const int h = font.Height();
  for (int row = 0; row < 5; ++row) CutStrip(bmp, font, cellsPerRow[row], 0, h * row, w, 0, w, h);
}

void CutEqMain(const QImage& bmp, EqualizerSkinControls& e) {
  SliceToImage(bmp, 0, 0, 300, 130, *e.EQMainImage);
  CutSprites(bmp, e.EQTitleBarImageList, {{0, 131, 300, 15}, {0, 147, 300, 15}});
  CutStrip(bmp, e.EQTitleBarButtonsImageList, 4, 0, 163, 9, 0, 9, 9);
  CutSprites(bmp, e.EQBandButtonImageList, {{37, 163, 11, 11}, {48, 163, 11, 11}});
  CutSprites(bmp, e.EQPresetsButtonImageList, {{196, 175, 44, 12}, {196, 187, 44, 12}});
  CutStrip(bmp, e.EQOnButtonImageList, 4, 196, 200, 0, 12, 25, 12);
  CutStrip(bmp, e.EQAutoButtonImageList, 4, 221, 200, 0, 12, 33, 12);
  CutStrip(bmp, e.EQBandsImageList, 14, 0, 175, 14, 0, 13, 65);
  CutStrip(bmp, e.EQBandsImageList, 14, 0, 241, 14, 0, 13, 65);
  CutSprites(bmp, e.EQDiagramImageList, {{0, 307, 156, 37}, {157, 307, 156, 37}});
  SliceToImage(bmp, 0, 345, 152, 1, *e.EQDiagramPreAmpLine);

  // Three colour ramps of 33 pixels read bottom-up.
  std::array<QRgb, 33>* ramps[] = {&e.SpectrumColors, &e.ScopeColors, &e.LevelColors};
  for (int r = 0; r < 3; ++r) {
    for (int i = 0; i < 33; ++i) {
      const int x = 196 + 2 * r;
      const int y = 271 + i;
      (*ramps[r])[32 - i] = bmp.valid(x, y) ? bmp.pixel(x, y) : qRgb(0, 0, 0);
    }
  }

  ShowEqualizerStartSprites(e, 2, 0);
}

void CutVisuals(const QImage& bmp, EqualizerSkinControls& e) {
  CutStrip(bmp, e.EQVisualEffectsImageList, 18, 0, 0, 15, 0, 15, 33);
  CutStrip(bmp, e.EQVisualEffectsVolLevelImageList, 32, 0, 34, 13, 0, 13, 65);
}

void CutPlayList(const QImage& bmp, PlayListSkinControls& p) {
  CutPlayListFrame(bmp, p);
  CutStrip(bmp, p.PLTitleBarButtonsImageList, 4, 52, 42, 10, 0, 9, 9);

  // Menu column n: side bar at 62 (n - 1), buttons at + 4 (up) and + 33
  // (down) in rows 21 px apart from 111, the toggle button one row lower.
  const auto images = p.PLMenuImages();
  const auto toggles = p.ToggleMenuButtons();
  const auto buttons = p.PLMenuButtons();
  size_t button = 0;
  for (int menu = 0; menu < 5; ++menu) {
    const int column = 62 * menu;
    const int rows = menu == 1 ? 4 : 3;
    for (int row = 0; row < rows; ++row, ++button) {
      const int y = 111 + 21 * row;
      CutSprites(bmp, p.PLMenuButtonsImageList, {{column + 4, y, 28, 20}, {column + 33, y, 28, 20}});
      ShowSprite(*buttons[button], p.PLMenuButtonsImageList, 2 * static_cast<int>(button));
    }
    SliceToImage(bmp, column + 4, 111 + 21 * rows, 28, 20, *toggles[menu]);
    SliceToImage(bmp, column, 111, 3, images[menu]->height(), *images[menu]);
  }

  ShowSprite(*p.PLMainMenuButton, p.PLTitleBarButtonsImageList, 0);
  ShowSprite(*p.PLCloseWindowButton, p.PLTitleBarButtonsImageList, 2);
}

}  // namespace

void LayOutEqualizerSliders(EqualizerSkinControls& e, int preAmpLeft, int bandsLeft, int top, QSize bar) {
  Place(e.EQPreAmpImage, preAmpLeft, top, bar.width(), bar.height());
  Place(e.EQPreAmpButton, preAmpLeft + 1, 64, 11, 11);
  const auto images = e.EQBandImages();
  const auto buttons = e.EQBandButtons();
  for (int band = 0; band < 10; ++band) {
    Place(images[band], bandsLeft + 18 * band, top, bar.width(), bar.height());
    Place(buttons[band], bandsLeft + 1 + 18 * band, 64, 11, 11);
  }
  e.EQBandsImageList.SetSize(bar.width(), bar.height());
  e.EQBandButtonImageList.SetSize(11, 11);
  e.PreAmpSliderRecord.ButtonTop = 64;
  SetSlider(e.PreAmpSliderRecord, 1, 27, 0, 0);
  for (SliderRecord& band : e.BandSliderRecords) {
    band.ButtonTop = 64;
    SetSlider(band, 1, 27, 0, 0);
  }
}

void ShowEqualizerStartSprites(EqualizerSkinControls& e, int closeSprite, int bandSpriteStep) {
  ShowSprite(*e.EQTitleBarImage, e.EQTitleBarImageList, 0);
  ShowSprite(*e.EQMainMenuButton, e.EQTitleBarButtonsImageList, 0);
  ShowSprite(*e.EQCloseWindowButton, e.EQTitleBarButtonsImageList, closeSprite);
  ShowSprite(*e.EQPresetsButton, e.EQPresetsButtonImageList, 0);
  ShowSprite(*e.EQOnButton, e.EQOnButtonImageList, 0);
  ShowSprite(*e.EQAutoButton, e.EQAutoButtonImageList, 0);
  ShowSprite(*e.EQPreAmpImage, e.EQBandsImageList, 0);
  ShowSprite(*e.EQPreAmpButton, e.EQBandButtonImageList, 0);
  const auto images = e.EQBandImages();
  for (int band = 0; band < 10; ++band) ShowSprite(*images[band], e.EQBandsImageList, (band + 1) * bandSpriteStep);
  for (auto* button : e.EQBandButtons()) ShowSprite(*button, e.EQBandButtonImageList, 0);
}

void LayOutPlayListParts(PlayListSkinControls& p, const PlayListPartSizes& sizes) {
  // A hidden window gets its resize events only when shown: fit the frame to
  // Panel1 now, since the title-bar buttons follow its right end.
  p.ArrangePlayListFrame();
  p.PLCloseWindowButton->setGeometry(p.PLTitleBarRightImage->x() + sizes.closeButtonOffset, 3, 9, 9);
  p.PLToggleWindowButton->setGeometry(p.PLTitleBarRightImage->x() + 4, 3, 9, 9);
  p.PLScrollImage->resize(8, 167);
  p.PLScrollButton->resize(8, 18);
  const auto menus = p.PLMenuPanels();
  const auto buttonPanels = p.PLMenuButtonPanels();
  const auto images = p.PLMenuImages();
  const auto toggles = p.ToggleMenuButtons();
  for (size_t menu = 0; menu < menus.size(); ++menu) {
    const int height = menu == 1 ? sizes.tallMenuHeight : sizes.menuHeight;
    menus[menu]->resize(sizes.menuPanelWidth, height);
    buttonPanels[menu]->resize(sizes.menuButtonWidth, height);
    images[menu]->resize(3, height);
    toggles[menu]->setGeometry(sizes.toggleLefts[menu], 8, sizes.menuButtonWidth, sizes.menuButtonHeight);
  }
  for (PlatformUi::ImageControl* button : p.PLMenuButtons())
    button->resize(sizes.menuButtonWidth, sizes.menuButtonHeight);
  p.PLTextWindow->setGeometry(sizes.textWindow);

  p.PLTitleBarMainImageList.SetSize(100, 20);
  p.PLTitleBarRestImageList.SetSize(25, 20);
  p.PLTitleBarButtonsImageList.SetSize(9, 9);
  p.PLScrollButtonImageList.SetSize(8, 18);
  p.PLMenuButtonsImageList.SetSize(sizes.menuButtonWidth, sizes.menuButtonHeight);
}

void CutPlayListFrame(const QImage& bmp, PlayListSkinControls& p) {
  CutSprites(bmp, p.PLTitleBarMainImageList, {{26, 0, 100, 20}, {26, 21, 100, 20}});
  CutSprites(bmp, p.PLTitleBarRestImageList,
             {{0, 0, 25, 20}, {0, 21, 25, 20}, {127, 0, 25, 20}, {127, 21, 25, 20},
              {153, 0, 25, 20}, {153, 21, 25, 20}});
  SliceToImage(bmp, 179, 0, 25, 38, *p.PLBottomExtraImage1);
  SliceToImage(bmp, 205, 0, 75, 38, *p.PLBottomExtraImage2);
  SliceToImage(bmp, 0, 42, 25, 29, *p.PLVerticalLeftImage);
  SliceToImage(bmp, 26, 42, 25, 29, *p.PLVerticalRightImage);
  CutSprites(bmp, p.PLScrollButtonImageList, {{52, 53, 8, 18}, {61, 53, 8, 18}});
  SliceToImage(bmp, 0, 72, 125, 38, *p.PLBottomLeftImage);
  SliceToImage(bmp, 126, 72, 150, 38, *p.PLBottomRightImage);
  ShowSprite(*p.PLTitleBarLeftImage, p.PLTitleBarRestImageList, 0);
  ShowSprite(*p.PLTitleBarHorizontalImage, p.PLTitleBarRestImageList, 2);
  ShowSprite(*p.PLTitleBarRightImage, p.PLTitleBarRestImageList, 4);
  ShowSprite(*p.PLTitleBarMainImage, p.PLTitleBarMainImageList, 0);
  ShowSprite(*p.PLScrollButton, p.PLScrollButtonImageList, 0);
}

void ShowNativeOnlyControls(DeckSkinControls& deck, EqualizerSkinControls& eq,
                            PlayListSkinControls& pl, bool visible) {
  QWidget* controls[] = {deck.MP3Button,          deck.MODButton,          deck.CDButton,
                         deck.SongTitleWindow,    deck.PlayerStatusWindow, deck.SongTotalTimeWindow,
                         eq.EQMainMenuButton,     eq.EQVolLevelCanvas,     pl.PLMainMenuButton};
  for (QWidget* control : controls) control->setVisible(visible);
}

void LoadNativeSkin(const QString& folder, DeckSkinControls& deck, EqualizerSkinControls& eq,
                    PlayListSkinControls& pl) {
  SkinFileSource files(folder, DefaultSkinPath);
  ShowNativeOnlyControls(deck, eq, pl, true);
  LayOutDeck(deck);
  LayOutEqualizer(eq);
  LayOutPlayList(pl);

  if (auto bmp = files.Bitmap(QStringLiteral("DeckMain.bmp"))) CutDeckMain(*bmp, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("PlayButtons.bmp"))) CutPlayButtons(*bmp, deck);
  CutDeckToggles(files, deck);
  CutDeckBars(files, deck);
  CutDeckLamps(files, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("FontSmall.bmp"))) CutFont(*bmp, deck.FontSmallImageList);
  GeneralFunctions::SkinIsWinamp = 0;
  if (auto bmp = files.Bitmap(QStringLiteral("numbers.bmp")))
    CutStrip(*bmp, deck.NumbersImageList, 16, 0, 0, 8, 0, 8, 13);

  eq.EQDiagramStep = 16;
  eq.EQDiagramPreAmpX = 2;
  eq.EQDiagramOffsetX = 6;
  if (auto bmp = files.Bitmap(QStringLiteral("eqmain.bmp"))) CutEqMain(*bmp, eq);
  if (RedrawEqualizerDiagram) RedrawEqualizerDiagram();
  if (auto bmp = files.Bitmap(QStringLiteral("visuals.bmp"))) CutVisuals(*bmp, eq);
  if (auto bmp = files.Bitmap(QStringLiteral("Playlist.bmp"))) CutPlayList(*bmp, pl);
  if (RebuildPlayListView) RebuildPlayListView();
  ReadPlaylistColours(files, QStringLiteral("Playlist.txt"));
  LoadSkinCursors(folder, deck, eq, pl);

  deck.SkinWindow->resize(kWindowWidth, kWindowHeight);
  eq.SkinWindow->resize(kWindowWidth, kWindowHeight);
  files.ReportMissing();
}

}  // namespace SkinUnit
