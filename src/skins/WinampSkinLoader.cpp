#include "WinampSkinLoader.h"

#include <QPainter>

#include "skins/BitmapText.h"
#include "skins/DeckSkinControls.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/NativeSkinLoader.h"
#include "skins/PlayListSkinControls.h"
#include "skins/SkinCursors.h"
#include "skins/SkinLoading.h"
#include "skins/SkinTextFiles.h"
#include "skins/SkinUnit.h"
#include "skins/SpriteFunctions.h"

namespace SkinUnit {

namespace {

using GeneralFunctions::ShowSprite;
using GeneralFunctions::SliceToImage;

constexpr int kWindowWidth = 275;
constexpr int kWindowHeight = 116;
constexpr int kSliderSprites = 28;

void LayOutDeck(DeckSkinControls& d) {
  Place(d.MainImage, 0, 0, 275, 116);
  Place(d.TitleBarImage, 0, 0, 274, 14);
  Place(d.MainMenuButton, 6, 3, 9, 9);
  Place(d.MinimizeWindowButton, 244, 3, 9, 9);
  Place(d.ToggleWindowButton, 254, 3, 9, 9);
  Place(d.CloseWindowButton, 264, 3, 9, 9);
  Place(d.BackwardButton, 16, 88, 23, 18);
  Place(d.PlayButton, 39, 88, 23, 18);
  Place(d.PauseButton, 62, 88, 23, 18);
  Place(d.StopButton, 85, 88, 23, 18);
  Place(d.ForwardButton, 108, 88, 23, 18);
  Place(d.EjectButton, 137, 90, 20, 16);
  Place(d.RepeatButton, 210, 90, 28, 15);
  Place(d.ShuffleButton, 164, 90, 47, 15);
  Place(d.EqualizerButton, 219, 58, 23, 12);
  Place(d.PlaylistButton, 242, 58, 23, 12);
  Place(d.PosbarImage, 16, 72, 248, 10);
  Place(d.PosBarButton, 16, 72, 29, 10);
  Place(d.BalanceImage, 177, 57, 38, 13);
  Place(d.BalanceButton, 189, 58, 14, 11);
  Place(d.VolumeImage, 107, 57, 68, 13);
  Place(d.VolumeButton, 150, 58, 14, 11);
  Place(d.MonoButton, 212, 41, 27, 12);
  Place(d.StereoButton, 240, 41, 29, 12);
  Place(d.VisualizationDrawingCanvas, 24, 43, 76, 16);
  Place(d.SongCurrectPlayingTimeWindow, 36, 26, 75, 13);
  Place(d.TransmissionImage, 24, 28, 3, 9);
  Place(d.PlayPauseStateImage, 26, 28, 9, 9);
  Place(d.KbpsTextWindow, 111, 43, 15, 6);
  Place(d.KhzTextWindow, 156, 43, 10, 6);
  Place(d.SongArtistWindow, 111, 27, 155, 6);

  d.PlayerMainButtonsImageList.SetSize(23, 18);
  d.TitleBarImageList.SetSize(274, 14);
  d.TitleBarButtonsImageList.SetSize(9, 9);
  d.BalanceImageList.SetSize(38, 13);
  d.BalanceButtonImageList.SetSize(14, 11);
  d.VolumeImageList.SetSize(68, 13);
  d.VolumeButtonImageList.SetSize(14, 11);
  d.PosBarImageList.SetSize(248, 10);
  d.PosBarButtonImageList.SetSize(29, 10);
  d.EQPLButtonImageList.SetSize(23, 12);
  d.RepeatButtonImageList.SetSize(28, 15);
  d.ShuffleButtonImageList.SetSize(47, 15);
  d.MonoStereoButtonImageList.SetSize(29, 12);
  d.PlayPauseStateImageList.SetSize(9, 9);
  d.TransmissionImageList.SetSize(3, 9);
  d.NumbersImageList.SetSize(9, 13);
  d.FontSmallImageList.SetSize(5, 6);

  d.BalanceSliderRecord.ButtonLeft = 189;
  SetSlider(d.BalanceSliderRecord, -12, 27, 50, 0);
  d.VolumeSliderRecord.ButtonLeft = 150;
  SetSlider(d.VolumeSliderRecord, -12, 27, 78, 21);
  SetSlider(d.PositionSliderRecord, -10, 0, 0, 0);
}

void LayOutEqualizer(EqualizerSkinControls& e) {
  Place(e.EQMainImage, 0, 0, kWindowWidth, kWindowHeight);
  Place(e.EQTitleBarImage, 0, 0, 275, 14);
  Place(e.EQCloseWindowButton, 264, 3, 9, 9);
  Place(e.EQToggleWindowButton, 254, 3, 9, 9);
  Place(e.EQDiagramImageCanvas, 86, 17, 113, 19);
  e.EQDiagramPreAmpLine->resize(113, 1);
  Place(e.EQOnButton, 14, 18, 25, 12);
  Place(e.EQAutoButton, 39, 18, 33, 12);
  Place(e.EQPresetsButton, 217, 18, 44, 12);
  LayOutEqualizerSliders(e, 21, 78, 38, QSize(14, 63));

  e.EQDiagramImageList.SetSize(113, 19);
  e.EQOnButtonImageList.SetSize(25, 12);
  e.EQAutoButtonImageList.SetSize(33, 12);
  e.EQPresetsButtonImageList.SetSize(44, 12);
  e.EQTitleBarButtonsImageList.SetSize(9, 9);
  e.EQTitleBarImageList.SetSize(275, 14);
}

void LayOutPlayList(PlayListSkinControls& p) {
  LayOutPlayListParts(p, {14, 25, 22, 18, 54, 72, {14, 43, 72, 101, 256}, {158, 11, 90, 6}});
  p.PLMinimumSize = QSize(kWindowWidth, kWindowHeight);
  p.ArrangePlayListFrame();
}

void CutTitleBar(const QImage& bmp, DeckSkinControls& d) {
  CutSprites(bmp, d.TitleBarImageList, {{27, 0, 274, 14}, {27, 15, 274, 14}});
  CutSprites(bmp, d.TitleBarButtonsImageList,
             {{0, 0, 9, 9}, {0, 9, 9, 9}, {9, 0, 9, 9}, {9, 9, 9, 9},
              {18, 0, 9, 9}, {18, 9, 9, 9}, {0, 18, 9, 9}, {9, 18, 9, 9}});
  ShowSprite(*d.TitleBarImage, d.TitleBarImageList, 0);
  ShowSprite(*d.MainMenuButton, d.TitleBarButtonsImageList, 0);
  ShowSprite(*d.MinimizeWindowButton, d.TitleBarButtonsImageList, 2);
  ShowSprite(*d.CloseWindowButton, d.TitleBarButtonsImageList, 4);
  ShowSprite(*d.ToggleWindowButton, d.TitleBarButtonsImageList, 6);
}

void CutTransport(const QImage& bmp, DeckSkinControls& d) {
  for (int k = 0; k < 5; ++k)
    CutSprites(bmp, d.PlayerMainButtonsImageList, {{23 * k, 0, 23, 18}, {23 * k, 18, 23, 18}});
  CutSprites(bmp, d.PlayerMainButtonsImageList, {{115, 0, 20, 16}, {115, 16, 20, 16}});
  PlatformUi::ImageControl* buttons[] = {d.BackwardButton, d.PlayButton,    d.PauseButton,
                                         d.StopButton,     d.ForwardButton, d.EjectButton};
  for (int k = 0; k < 6; ++k) ShowSprite(*buttons[k], d.PlayerMainButtonsImageList, 2 * k);
}

void CutShuffleRepeat(const QImage& bmp, DeckSkinControls& d) {
  CutStrip(bmp, d.RepeatButtonImageList, 4, 0, 0, 0, 15, 28, 15);
  CutStrip(bmp, d.ShuffleButtonImageList, 4, 28, 0, 0, 15, 47, 15);
  CutSprites(bmp, d.EQPLButtonImageList,
             {{0, 61, 23, 12}, {46, 61, 23, 12}, {0, 73, 23, 12}, {46, 73, 23, 12},
              {23, 61, 23, 12}, {69, 61, 23, 12}, {23, 73, 23, 12}, {69, 73, 23, 12}});
  ShowSprite(*d.RepeatButton, d.RepeatButtonImageList, 0);
  ShowSprite(*d.ShuffleButton, d.ShuffleButtonImageList, 0);
  ShowSprite(*d.EqualizerButton, d.EQPLButtonImageList, 0);
  ShowSprite(*d.PlaylistButton, d.EQPLButtonImageList, 4);
}

// Volume and balance share one layout: a strip per step every 15 pixels and
// the knob (pressed, released) below them.
void CutVolumeLikeBar(const QImage& bmp, int stripX, PlatformUi::ImageList& bars,
                      PlatformUi::ImageList& knob) {
  CutStrip(bmp, bars, kSliderSprites, stripX, 0, 0, 15, bars.Width(), 13);
  CutSprites(bmp, knob, {{0, 422, 14, 13}, {15, 422, 14, 13}});
}

void CutVolumeAndBalance(SkinFileSource& files, DeckSkinControls& d) {
  const auto volume = files.Bitmap(QStringLiteral("volume.bmp"));
  if (volume) {
    CutVolumeLikeBar(*volume, 0, d.VolumeImageList, d.VolumeButtonImageList);
    ShowSprite(*d.VolumeImage, d.VolumeImageList, d.VolumeSliderRecord.SpriteIndex);
    ShowSprite(*d.VolumeButton, d.VolumeButtonImageList, 1);
  }
  // A skin without a balance bitmap of its own draws its balance from the
  // volume bitmap, so both sliders keep one look.
  auto balance = files.OwnBitmap(QStringLiteral("balance.bmp"));
  if (!balance && volume && files.OwnBitmap(QStringLiteral("volume.bmp"))) balance = volume;
  if (!balance) balance = files.Bitmap(QStringLiteral("balance.bmp"));
  if (balance) {
    CutVolumeLikeBar(*balance, 9, d.BalanceImageList, d.BalanceButtonImageList);
    ShowSprite(*d.BalanceImage, d.BalanceImageList, d.BalanceSliderRecord.SpriteIndex);
    ShowSprite(*d.BalanceButton, d.BalanceButtonImageList, 1);
  }
}

void CutPositionBar(const QImage& bmp, DeckSkinControls& d) {
  CutSprites(bmp, d.PosBarImageList, {{0, 0, 248, 10}});
  CutSprites(bmp, d.PosBarButtonImageList, {{248, 0, 29, 10}, {278, 0, 29, 10}});
  ShowSprite(*d.PosbarImage, d.PosBarImageList, 0);
  ShowSprite(*d.PosBarButton, d.PosBarButtonImageList, 0);
}

void CutMonoStereo(const QImage& bmp, DeckSkinControls& d) {
  CutSprites(bmp, d.MonoStereoButtonImageList,
             {{0, 0, 29, 12}, {0, 12, 29, 12}, {29, 0, 27, 12}, {29, 12, 27, 12}});
  ShowSprite(*d.StereoButton, d.MonoStereoButtonImageList, 1);
  ShowSprite(*d.MonoButton, d.MonoStereoButtonImageList, 3);
}

void CutPlayPause(const QImage& bmp, DeckSkinControls& d) {
  CutStrip(bmp, d.PlayPauseStateImageList, 4, 0, 0, 9, 0, 9, 9);
  CutSprites(bmp, d.TransmissionImageList, {{36, 0, 3, 9}, {39, 0, 3, 9}});
  ShowSprite(*d.PlayPauseStateImage, d.PlayPauseStateImageList, 0);
  ShowSprite(*d.TransmissionImage, d.TransmissionImageList, 0);
}

void CutText(const QImage& bmp, DeckSkinControls& d) {
  for (int row = 0; row < 3; ++row) CutStrip(bmp, d.FontSmallImageList, 31, 0, 6 * row, 5, 0, 5, 6);
}

// Digits 0-9 and the blank cell 10, then the minus as 11. "nums_ex.bmp" has
// its own minus in cell 11; for "numbers.bmp" one is painted from the middle
// bar of the digit 2 into a copy of the blank cell.
void LoadNumbers(SkinFileSource& files, DeckSkinControls& d) {
  if (auto extended = files.OwnBitmap(QStringLiteral("nums_ex.bmp"))) {
    CutStrip(*extended, d.NumbersImageList, 12, 0, 0, 9, 0, 9, 13);
    return;
  }
  auto numbers = files.Bitmap(QStringLiteral("numbers.bmp"));
  if (!numbers) return;
  CutStrip(*numbers, d.NumbersImageList, 11, 0, 0, 9, 0, 9, 13);
  QImage minus = GeneralFunctions::CutRectangle(*numbers, 90, 0, 9, 13, QSize(9, 13));
  QPainter painter(&minus);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(2, 6), *numbers, QRect(20, 6, 5, 1));
  painter.end();
  d.NumbersImageList.Add(minus);
}

void CutEqMain(const QImage& bmp, EqualizerSkinControls& e) {
  SliceToImage(bmp, 0, 0, 275, 116, *e.EQMainImage);
  CutSprites(bmp, e.EQTitleBarButtonsImageList,
             {{0, 116, 9, 9}, {0, 116, 9, 9}, {0, 116, 9, 9}, {0, 125, 9, 9}});
  CutSprites(bmp, e.EQOnButtonImageList,
             {{10, 119, 25, 12}, {128, 119, 25, 12}, {69, 119, 25, 12}, {187, 119, 25, 12}});
  CutSprites(bmp, e.EQAutoButtonImageList,
             {{35, 119, 33, 12}, {153, 119, 33, 12}, {94, 119, 33, 12}, {212, 119, 33, 12}});
  CutSprites(bmp, e.EQTitleBarImageList, {{0, 134, 275, 14}, {0, 149, 275, 14}});
  CutSprites(bmp, e.EQBandButtonImageList, {{0, 164, 11, 11}, {0, 176, 11, 11}});
  CutStrip(bmp, e.EQBandsImageList, 14, 13, 164, 15, 0, 14, 63);
  CutStrip(bmp, e.EQBandsImageList, 14, 13, 229, 15, 0, 14, 63);
  CutSprites(bmp, e.EQPresetsButtonImageList, {{224, 164, 44, 12}, {224, 176, 44, 12}});
  CutSprites(bmp, e.EQDiagramImageList, {{0, 294, 113, 19}, {0, 294, 113, 19}});
  SliceToImage(bmp, 0, 314, 113, 1, *e.EQDiagramPreAmpLine);

  ShowEqualizerStartSprites(e, 0, 1);
}

void CutPlayList(const QImage& bmp, PlayListSkinControls& p) {
  CutPlayListFrame(bmp, p);
  CutSprites(bmp, p.PLTitleBarButtonsImageList,
             {{52, 42, 9, 9}, {52, 42, 9, 9}, {167, 3, 9, 9}, {52, 42, 9, 9}});

  // Menu n: its buttons in a column pair (up, down) with rows 19 px apart.
  const int columns[] = {0, 54, 104, 154, 204};
  const int sideBars[] = {48, 100, 150, 200, 250};
  const int toggleLefts[] = {14, 43, 72, 101, 232};
  const auto images = p.PLMenuImages();
  const auto toggles = p.ToggleMenuButtons();
  const auto buttons = p.PLMenuButtons();
  int button = 0;
  for (int menu = 0; menu < 5; ++menu) {
    const int rows = menu == 1 ? 4 : 3;
    for (int row = 0; row < rows; ++row, ++button) {
      const int y = 111 + 19 * row;
      CutSprites(bmp, p.PLMenuButtonsImageList, {{columns[menu], y, 22, 18}, {columns[menu] + 23, y, 22, 18}});
      ShowSprite(*buttons[static_cast<size_t>(button)], p.PLMenuButtonsImageList, 2 * button);
    }
    SliceToImage(bmp, sideBars[menu], 111, 3, menu == 0 ? 54 : 72, *images[menu]);
    SliceToImage(bmp, toggleLefts[menu], 80, 22, 18, *toggles[menu]);
  }

  ShowSprite(*p.PLCloseWindowButton, p.PLTitleBarButtonsImageList, 2);
}

}  // namespace

QString WinampBaseSkinPath() { return DefaultSkinPath + QStringLiteral("/Winamp"); }

void LoadWinampSkin(const QString& folder, DeckSkinControls& deck, EqualizerSkinControls& eq,
                    PlayListSkinControls& pl) {
  SkinFileSource files(folder, WinampBaseSkinPath());
  ShowNativeOnlyControls(deck, eq, pl, false);
  LayOutDeck(deck);
  LayOutEqualizer(eq);
  LayOutPlayList(pl);

  if (auto bmp = files.Bitmap(QStringLiteral("main.bmp"))) SliceToImage(*bmp, 0, 0, 275, 116, *deck.MainImage);
  if (auto bmp = files.Bitmap(QStringLiteral("cbuttons.bmp"))) CutTransport(*bmp, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("shufrep.bmp"))) CutShuffleRepeat(*bmp, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("titlebar.bmp"))) CutTitleBar(*bmp, deck);
  CutVolumeAndBalance(files, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("posbar.bmp"))) CutPositionBar(*bmp, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("monoster.bmp"))) CutMonoStereo(*bmp, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("playpaus.bmp"))) CutPlayPause(*bmp, deck);
  if (auto bmp = files.Bitmap(QStringLiteral("text.bmp"))) CutText(*bmp, deck);
  GeneralFunctions::SkinIsWinamp = 1;
  LoadNumbers(files, deck);
  ReadVisColours(files);

  eq.EQDiagramStep = 12;
  eq.EQDiagramPreAmpX = 0;
  eq.EQDiagramOffsetX = 2;
  if (auto bmp = files.Bitmap(QStringLiteral("eqmain.bmp"))) CutEqMain(*bmp, eq);
  if (RedrawEqualizerDiagram) RedrawEqualizerDiagram();
  if (auto bmp = files.Bitmap(QStringLiteral("pledit.bmp"))) CutPlayList(*bmp, pl);
  if (RebuildPlayListView) RebuildPlayListView();
  ReadPlaylistColours(files, QStringLiteral("pledit.txt"));
  LoadSkinCursors(folder, deck, eq, pl);

  deck.SkinWindow->resize(kWindowWidth, kWindowHeight);
  eq.SkinWindow->resize(kWindowWidth, kWindowHeight);
  files.ReportMissing();
}

}  // namespace SkinUnit
