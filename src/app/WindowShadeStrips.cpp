#include "WindowShadeStrips.h"

#include <algorithm>
#include <functional>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowShade.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/PlayListDisplayOptions.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "skins/ShadeSprites.h"

namespace WindowShade {

namespace {

namespace Audio = KestrelixAudioApi;
using GeneralFunctions::DrawBitmapTextInto;
using HotArea = SkinUnit::ShadeStrip::HotArea;
using PlatformUi::ImageList;

// The Winamp deck strip: the small transport buttons from the left, the
// time, the position bar, then the title bar's buttons.
const QRect kMenuButton(6, 3, 9, 9);
const QRect kPrevious(169, 2, 8, 11), kPlay(177, 2, 10, 11), kPause(187, 2, 10, 11),
    kStop(197, 2, 9, 11), kNext(206, 2, 8, 11), kEject(216, 2, 9, 11);
const QRect kShadeTime(122, 4, 30, 6);
const QRect kShadePosition(226, 4, 17, 7);
const QRect kMinimize(244, 3, 9, 9), kUnroll(254, 3, 9, 9), kClose(264, 3, 9, 9);
// The strip of the player's own format: the title bar's buttons where the
// title bar has them, and the time in the skin's font right of the caption.
const QRect kNativeMenuButton(3, 3, 9, 9), kNativeUnroll(253, 3, 9, 9), kNativeMinimize(276, 3, 9, 9),
    kNativeClose(288, 3, 9, 9);
constexpr int kNativeTimeRight = 250;

// The equalizer strip's small volume and balance bars.
const QRect kShadeVolume(61, 4, 97, 7), kShadeBalance(164, 4, 43, 7);
constexpr int kKnobWidth = 3;

// Percent 0..100 from the mouse's x along a bar the knob slides on.
int PercentAlong(const QRect& bar, int x) {
  return std::clamp((x - bar.x() - 1) * 100 / (bar.width() - kKnobWidth), 0, 100);
}

int KnobLeft(const QRect& bar, int percent) {
  return bar.x() + percent * (bar.width() - kKnobWidth) / 100;
}

// The knob sprite for a place along the bar: the left end, between, the right end.
int KnobSprite(int percent) { return percent < 34 ? 0 : percent < 67 ? 1 : 2; }

// "m:ss" of a number of seconds.
QString ShortTime(int64_t seconds) {
  return QString::asprintf("%lld:%02lld", static_cast<long long>(seconds / 60),
                           static_cast<long long>(seconds % 60));
}

// Deck.

int shadeDragPercent = -1;  // the position knob held by the mouse, else -1

HotArea ClickArea(const QRect& rect, std::function<void()> click) {
  return {rect, {}, [click = std::move(click)](int, bool inside) {
            if (inside) click();
          }};
}

HotArea Button(const QRect& rect, void (TDeckForm::*click)()) {
  return ClickArea(rect, [click] { (DeckForm->*click)(); });
}

HotArea UnrollButton(const QRect& rect, int window) {
  return ClickArea(rect, [window] { ToggleShade(window); });
}

void DrawDeckTime() {
  TDeckForm& deck = *DeckForm;
  QImage& strip = deck.DeckShadeStrip->Picture();
  const QString shown = deck.Paused && deck.PauseBlink ? QString() : Audio::vars.ElapsedTimeText;
  // "+03:45" shows as " 3:45", "-03:45" as "-3:45".
  QString text = shown.mid(1);
  if (text.startsWith(u'0')) text[0] = u' ';
  if (shown.startsWith(u'-')) text = u'-' + text.trimmed();
  if (GeneralFunctions::SkinIsWinamp == 1) {
    DrawBitmapTextInto(strip, text.rightJustified(6), 6, kShadeTime.x(), kShadeTime.y(), deck.FontSmallImageList);
    deck.DeckShadeStrip->Changed(kShadeTime);
    return;
  }
  const ImageList& font = deck.FontSmallImageList;
  const QRect area(kNativeTimeRight - 6 * font.Width(), 1, 6 * font.Width(), font.Height());
  deck.ShadeImageList.Draw(strip, 0, 0, 0);
  DrawBitmapTextInto(strip, text.rightJustified(6), 6, area.x(), area.y(), font);
  deck.DeckShadeStrip->Changed(strip.rect());
}

void DrawDeckPosition() {
  TDeckForm& deck = *DeckForm;
  QImage& strip = deck.DeckShadeStrip->Picture();
  const int percent = shadeDragPercent >= 0 ? shadeDragPercent : Audio::vars.PositionPercent;
  deck.ShadePosBarImageList.Draw(strip, kShadePosition.x(), kShadePosition.y(), 0);
  deck.ShadePosThumbImageList.Draw(strip, KnobLeft(kShadePosition, percent), kShadePosition.y(),
                                   KnobSprite(percent));
  deck.DeckShadeStrip->Changed(kShadePosition);
}

void DragDeckPosition(int x) {
  shadeDragPercent = PercentAlong(kShadePosition, x);
  DrawDeckPosition();
}

// The song moves to where the knob was let go.
void ReleaseDeckPosition(int x) {
  const int percent = PercentAlong(kShadePosition, x);
  shadeDragPercent = -1;
  if (Audio::vars.PlayStatus == Audio::psPlaying || Audio::vars.PlayStatus == Audio::psPaused)
    DeckForm->SeekToSecond(Audio::vars.TotalSeconds * percent / 100);
  DrawDeckPosition();
}

void PrepareDeckStrip() {
  TDeckForm& deck = *DeckForm;
  SkinUnit::ShadeStrip& strip = *deck.DeckShadeStrip;
  QImage& picture = strip.Picture();
  deck.ShadeImageList.Draw(picture, 0, 0, 0);
  strip.HotAreas.clear();
  if (GeneralFunctions::SkinIsWinamp == 1) {
    deck.TitleBarButtonsImageList.Draw(picture, kUnroll.x(), kUnroll.y(), SkinUnit::kUnrollButtonSprite);
    strip.HotAreas = {
        Button(kMenuButton, &TDeckForm::MainMenuButtonClick),
        Button(kPrevious, &TDeckForm::BackwardButtonClick),
        Button(kPlay, &TDeckForm::PlayButtonClick),
        Button(kPause, &TDeckForm::PauseButtonClick),
        Button(kStop, &TDeckForm::StopButtonClick),
        Button(kNext, &TDeckForm::ForwardButtonClick),
        Button(kEject, &TDeckForm::EjectButtonClick),
        Button(kMinimize, &TDeckForm::MinimizeWindowButtonClick),
        Button(kClose, &TDeckForm::CloseWindowButtonClick),
        Button(kShadeTime, &TDeckForm::SongCurrectPlayingTimeWindowClick),
        Button(kDeckShadeVisualization, &TDeckForm::VisualizationDrawingCanvasClick),
        UnrollButton(kUnroll, wiDeck),
        {kShadePosition, DragDeckPosition, [](int x, bool) { ReleaseDeckPosition(x); }},
    };
    DrawDeckPosition();
    DeckForm->RestartVisualization();
  } else {
    strip.HotAreas = {
        Button(kNativeMenuButton, &TDeckForm::MainMenuButtonClick),
        Button(kNativeMinimize, &TDeckForm::MinimizeWindowButtonClick),
        Button(kNativeClose, &TDeckForm::CloseWindowButtonClick),
        UnrollButton(kNativeUnroll, wiDeck),
    };
  }
  DrawDeckTime();
  strip.Changed(picture.rect());
}

// Equalizer.

void DrawEqualizerStrip() {
  TEqualizerFormSkinned& eq = *EqualizerFormSkinned;
  QImage& picture = eq.EQShadeStrip->Picture();
  const int volume = DeckForm->VolumeSliderRecord.Value;
  const int balance = DeckForm->BalanceSliderRecord.Value;
  eq.EQShadeImageList.Draw(picture, 0, 0, eq.isActiveWindow() ? 0 : 1);
  eq.EQShadeKnobImageList.Draw(picture, KnobLeft(kShadeVolume, volume), kShadeVolume.y(), KnobSprite(volume));
  eq.EQShadeKnobImageList.Draw(picture, KnobLeft(kShadeBalance, balance), kShadeBalance.y(),
                               3 + KnobSprite(balance));
  eq.EQShadeStrip->Changed(picture.rect());
}

void PrepareEqualizerStrip() {
  const auto level = [](const QRect& bar, void (TDeckForm::*set)(int)) {
    const auto apply = [bar, set](int x) {
      (DeckForm->*set)(PercentAlong(bar, x));
      DrawEqualizerStrip();
    };
    return HotArea{bar, apply, [apply](int x, bool) { apply(x); }};
  };
  EqualizerFormSkinned->EQShadeStrip->HotAreas = {
      level(kShadeVolume, &TDeckForm::SetVolumeLevel),
      level(kShadeBalance, &TDeckForm::SetBalanceLevel),
      UnrollButton(kUnroll, wiEqualizer),
      ClickArea(kClose, [] { EqualizerFormSkinned->EQCloseWindowButtonClick(); }),
  };
  DrawEqualizerStrip();
}

// Playlist: the strip's left end, its tile repeated, its right end with the
// unroll and close buttons; the current song and its time between.

constexpr int kPlayListEndWidth = 25;
constexpr int kPlayListRightWidth = 50;

QRect PlayListUnroll(int width) { return {width - 20, 3, 9, 9}; }
QRect PlayListClose(int width) { return {width - 11, 3, 9, 9}; }

void DrawPlayListStrip() {
  TPlayListEditorForm& pl = *PlayListEditorForm;
  QImage& picture = pl.PLShadeStrip->Picture();
  const ImageList& tiles = pl.PLShadeImageList;
  const int width = picture.width();
  for (int x = kPlayListEndWidth; x < width - kPlayListRightWidth; x += kPlayListEndWidth)
    tiles.Draw(picture, x, 0, 1);
  tiles.Draw(picture, 0, 0, 0);
  tiles.Draw(picture, width - kPlayListRightWidth, 0, pl.isActiveWindow() ? 2 : 3);

  const ImageList& font = DeckForm->FontSmallImageList;
  const PlayListModel& list = pl.PlayList;
  const int index = list.CurrentSongIndex;
  const bool hasSong = index >= 0 && index < list.TotalFiles();
  const QString title = hasSong ? GeneralFunctions::DisplayTextOfEntry(list.Entry(index), index, pl.DisplayOptions)
                                : QString();
  const bool known = hasSong && Audio::vars.PlayStatus != Audio::psStopped && Audio::vars.TotalSeconds > 0;
  const QString time = known ? ShortTime(Audio::vars.TotalSeconds) : QString();
  const int timeCells = 6;
  const int textRight = width - kPlayListRightWidth - 2;
  const int titleCells = std::max(0, (textRight - 5 - timeCells * font.Width()) / font.Width() - 1);
  DrawBitmapTextInto(picture, title, titleCells, 5, 4, font);
  DrawBitmapTextInto(picture, time.rightJustified(timeCells), timeCells, textRight - timeCells * font.Width(), 4, font);
  pl.PLShadeStrip->Changed(picture.rect());
}

void PreparePlayListStrip() {
  const int width = PlayListEditorForm->width();
  PlayListEditorForm->PLShadeStrip->HotAreas = {
      UnrollButton(PlayListUnroll(width), wiPlayList),
      ClickArea(PlayListClose(width), [] { PlayListEditorForm->PLCloseWindowButtonClick(); }),
  };
  DrawPlayListStrip();
}

}  // namespace

void PrepareShadeStrip(int window) {
  switch (window) {
    case wiDeck: PrepareDeckStrip(); break;
    case wiEqualizer: PrepareEqualizerStrip(); break;
    default: PreparePlayListStrip(); break;
  }
}

void RefreshShadeStrip(int window) {
  switch (window) {
    case wiDeck:
      DrawDeckTime();
      if (GeneralFunctions::SkinIsWinamp == 1) DrawDeckPosition();
      break;
    case wiEqualizer: DrawEqualizerStrip(); break;
    default: DrawPlayListStrip(); break;
  }
}

}  // namespace WindowShade
