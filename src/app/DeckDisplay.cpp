// The deck's face: time digits, read-outs, lamps, the position bar, the
// scrolling lines, and the redraw of every window's controls from the model.
#include <algorithm>
#include <memory>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowDockingSetup.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/PlayListHooks.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "skins/SkinUnit.h"
#include "skins/Sliders.h"
#include "skins/SpriteFunctions.h"
#include "skins/ToggleButtonStates.h"

namespace {

namespace Audio = KestrelixAudioApi;
using GeneralFunctions::ShowSprite;

constexpr int kStatusCells = 7;
constexpr int kTimeCells = 6;
// Winamp digits sit 3 pixels apart; the colon between them is the skin's.
constexpr int kWinampDigitGap = 3;

bool IsWinampSkin() { return GeneralFunctions::SkinIsWinamp == 1; }

// The six time cells: a sign, then minutes and seconds with two digits each,
// the minutes running on past 59 ("+65:30"). From 100 minutes the sign cell
// holds the minutes' hundreds ("105:30"), so the text stays true minutes and
// seconds instead of wrapping; 999:59 is the most it can show.
QString SignedMinutesAndSeconds(QChar sign, int64_t seconds) {
  constexpr int64_t kMostShown = 999 * 60 + 59;
  const int64_t shown = std::clamp<int64_t>(seconds, 0, kMostShown);
  const QString text = QString::asprintf("%.2lld:%.2lld", static_cast<long long>(shown / 60),
                                         static_cast<long long>(shown % 60));
  return text.size() > 5 ? text : sign + text;
}

// Lamp sprites: dark and lit for MP3, MOD and CD.
enum LampSprite { kMP3Dark = 0, kMP3Lit = 2, kMODDark = 4, kMODLit = 6, kCDDark = 8, kCDLit = 10 };

}  // namespace

void TDeckForm::DrawStatusText() {
  // A word longer than the cells ("Buffering") shows shortened with a stop
  // rather than cut off mid-word.
  const QString shown = StatusText.size() > kStatusCells
                            ? StatusText.left(kStatusCells - 1) + u'.'
                            : StatusText;
  GeneralFunctions::DrawBitmapText(shown, kStatusCells, 0, 0, FontSmallImageList, *PlayerStatusWindow);
}

void TDeckForm::DrawSongTimeText(int mode) {
  auto& vars = Audio::vars;
  const int64_t elapsed =
      Audio::HMSToSeconds(vars.ElapsedHours, vars.ElapsedMinutes, vars.ElapsedSeconds60);
  // Any mode but remaining time shows the elapsed time; a position past the
  // known length shows no time remaining rather than a negative one. An
  // internet stream has no end to count down to.
  const bool remaining = mode == 1 && vars.IsInternetStream == 0;
  const int64_t value = remaining ? std::max<int64_t>(0, vars.TotalSeconds - elapsed) : elapsed;
  vars.ElapsedTimeText = SignedMinutesAndSeconds(remaining ? u'-' : u'+', value);
  const Audio::HMS total = Audio::SecondsToHMS(vars.TotalSeconds);
  vars.TotalHours = total.hours;
  vars.TotalMinutes = total.minutes;
  vars.TotalSeconds60 = total.seconds60;
  vars.TotalTimeText = SignedMinutesAndSeconds(u'+', vars.TotalSeconds);
  if (Paused) {
    PauseBlink = !PauseBlink;
    if (PauseBlink) vars.ElapsedTimeText = QStringLiteral("+  :  ");
  }
  if (IsWinampSkin()) {
    // Blanks are drawn only while paused, so the blink shows as an empty time.
    GeneralFunctions::DrawNumberText(vars.ElapsedTimeText, kTimeCells, kWinampDigitGap, 0, 0,
                                     NumbersImageList, *SongCurrectPlayingTimeWindow, Paused);
    return;
  }
  GeneralFunctions::DrawTimeText(vars.ElapsedTimeText, kTimeCells, 0, 0, 0, NumbersImageList,
                                 *SongCurrectPlayingTimeWindow, true);
  GeneralFunctions::DrawTimeText(vars.TotalTimeText, kTimeCells, 0, 0, 0, NumbersImageList,
                                 *SongTotalTimeWindow, true);
  DrawStatusText();
}

void TDeckForm::UpdateTextWindows() {
  const auto& vars = Audio::vars;
  if (vars.ChannelCount == 1) {
    ShowSprite(*MonoButton, MonoStereoButtonImageList, 2);
    ShowSprite(*StereoButton, MonoStereoButtonImageList, 1);
  } else if (vars.ChannelCount == 2) {
    ShowSprite(*MonoButton, MonoStereoButtonImageList, 3);
    ShowSprite(*StereoButton, MonoStereoButtonImageList, 0);
  }
  KhzText = QString::number(vars.OutputFrequency);
  KbpsText = QString::number(vars.BitRate);
  DrawRateTexts();
}

void TDeckForm::DrawRateTexts() {
  if (IsWinampSkin()) {
    // The Winamp sample-rate window is two cells wide: "44100" shows as "44".
    GeneralFunctions::DrawBitmapText(KbpsText, 3, 0, 0, FontSmallImageList, *KbpsTextWindow);
    GeneralFunctions::DrawBitmapText(KhzText, 3, 0, 0, FontSmallImageList, *KhzTextWindow);
    return;
  }
  GeneralFunctions::DrawTimeText(KbpsText, 3, 0, 0, 0, NumbersImageList, *KbpsTextWindow, true);
  GeneralFunctions::DrawTimeText(KhzText, 5, 0, 0, 0, NumbersImageList, *KhzTextWindow, true);
  DrawStatusText();
}

void TDeckForm::DisplayFileType() {
  const uint8_t kind = Audio::vars.FileKind;
  ShowSprite(*MP3Button, MP3MODCDImageList, kind == Audio::fkStream ? kMP3Lit : kMP3Dark);
  ShowSprite(*MODButton, MP3MODCDImageList, kind == Audio::fkMusic ? kMODLit : kMODDark);
  ShowSprite(*CDButton, MP3MODCDImageList, kind == Audio::fkCDTrack ? kCDLit : kCDDark);
}

// While stopped the lamps light one after the other, then flash together
// twice: a cycle of eight ticks.
void TDeckForm::DisplayFileTypeEffect() {
  struct Lamps {
    int mp3, mod, cd;
  };
  static constexpr Lamps kSteps[8] = {{kMP3Dark, kMODDark, kCDDark}, {kMP3Lit, kMODDark, kCDDark},
                                      {kMP3Lit, kMODLit, kCDDark},   {kMP3Lit, kMODLit, kCDLit},
                                      {kMP3Dark, kMODDark, kCDDark}, {kMP3Lit, kMODLit, kCDLit},
                                      {kMP3Dark, kMODDark, kCDDark}, {kMP3Lit, kMODLit, kCDLit}};
  const Lamps& lamps = kSteps[FileTypeEffectStep % 8];
  ShowSprite(*MP3Button, MP3MODCDImageList, lamps.mp3);
  ShowSprite(*MODButton, MP3MODCDImageList, lamps.mod);
  ShowSprite(*CDButton, MP3MODCDImageList, lamps.cd);
  FileTypeEffectStep = static_cast<uint8_t>((FileTypeEffectStep + 1) % 8);
}

void TDeckForm::DrawPositionSlider() {
  GeneralFunctions::SetHorizontalSlider(*PosBarButton, *PosbarImage, PosBarImageList,
                                        PositionSliderRecord, Audio::vars.PositionPercent);
}

void TDeckForm::SongCurrectPlayingTimeWindowClick() {
  TimeDisplayMode = TimeDisplayMode == 0 ? 1 : 0;
}

void TDeckForm::SongArtistWindowClick() {
  ArtistWindowInfo.ScrollMode = ArtistWindowInfo.ScrollMode == 0 ? 1 : 0;
  ArtistScrollText.Step = 0;
}

void TDeckForm::SongTitleWindowClick() {
  TitleWindowInfo.ScrollMode = TitleWindowInfo.ScrollMode == 0 ? 1 : 0;
  TitleScrollText.Step = 0;
}

void TDeckForm::SetArtistScrollText(const QString& text) {
  ArtistScrollText.Text = text;
  ArtistScrollText.Step = 0;
  ArtistScrollText.Enabled = 1;
  notice_.ticksLeft = 0;
}

void TDeckForm::ShowNotice(const QString& text) {
  const QString songText = ArtistScrollText.Text;
  SetArtistScrollText(text);
  // One pass: the text runs in at the right and out at the left.
  notice_ = {songText, static_cast<int>(text.size()) + ArtistWindowInfo.WidthInChars + 1};
}

void TDeckForm::SetTitleScrollText(const QString& text) {
  TitleScrollText.Text = text;
  TitleScrollText.Step = 0;
  TitleScrollText.Enabled = 1;
}

void TDeckForm::SetEQControlsToValues() { EqualizerFormSkinned->SetControlsToValues(); }

void TDeckForm::SetControlsToNewPositions() {
  auto& vars = Audio::vars;
  ShowSprite(*TitleBarImage, TitleBarImageList, isActiveWindow() ? 0 : 1);

  GeneralFunctions::SetBalanceSlider(*BalanceButton, *BalanceImage, BalanceImageList,
                                     BalanceSliderRecord, BalanceSliderRecord.Value);
  vars.BalanceValue = BalanceSliderRecord.Value;
  Audio::AudioSetBalance();
  PlaceVolumeSlider(VolumeSliderRecord.Value);
  vars.VolumeValue = VolumeSliderRecord.Value;
  Audio::AudioSetVolume();

  RepeatButtonState = DeckToggle::FromModel(Settings.RepeatOn);
  ShuffleButtonState = DeckToggle::FromModel(Settings.ShuffleOn);
  ShowSprite(*RepeatButton, RepeatButtonImageList, RepeatButtonState);
  ShowSprite(*ShuffleButton, ShuffleButtonImageList, ShuffleButtonState);

  TEqualizerFormSkinned& eq = *EqualizerFormSkinned;
  EqualizerButtonState = DeckToggle::FromModel(eq.isVisible());
  ShowSprite(*EqualizerButton, EQPLButtonImageList, EqualizerButtonState);
  ShowSprite(*eq.EQTitleBarImage, eq.EQTitleBarImageList, eq.isActiveWindow() ? 0 : 1);
  SetEQControlsToValues();
  eq.EQOnButtonState = DeckToggle::FromModel(vars.EQEnabled == 1);
  eq.EQAutoButtonState = DeckToggle::FromModel(eq.EQAutoOn);
  ShowSprite(*eq.EQOnButton, eq.EQOnButtonImageList, eq.EQOnButtonState);
  ShowSprite(*eq.EQAutoButton, eq.EQAutoButtonImageList, eq.EQAutoButtonState);
  eq.DrawEQDiagramImage();

  TPlayListEditorForm& playList = *PlayListEditorForm;
  PlaylistButtonState = 4 + DeckToggle::FromModel(playList.isVisible());
  ShowSprite(*PlaylistButton, EQPLButtonImageList, PlaylistButtonState);
  ShowSprite(*playList.PLTitleBarMainImage, playList.PLTitleBarMainImageList,
             playList.isActiveWindow() ? 0 : 1);
  if (SkinUnit::RebuildPlayListView) SkinUnit::RebuildPlayListView();

  DisplayFileType();
  RedrawTextWindows();
}

void TDeckForm::FitScrollLinesToWindows() {
  const int charWidth = std::max(1, FontSmallImageList.Width());
  ArtistWindowInfo.WidthInChars = SongArtistWindow->width() / charWidth;
  TitleWindowInfo.WidthInChars = SongTitleWindow->width() / charWidth;
}

// A skin brings its own window sizes and fonts, and its background shows
// wherever nothing is drawn: every text window starts empty and is drawn
// afresh, the scrolling lines from the start of their cycle at the next tick.
void TDeckForm::RedrawTextWindows() {
  for (PlatformUi::PaintBox* window : {SongCurrectPlayingTimeWindow, SongTotalTimeWindow, KbpsTextWindow,
                                       KhzTextWindow, SongArtistWindow, SongTitleWindow, PlayerStatusWindow}) {
    window->Canvas().fill(Qt::transparent);
    window->Changed();
  }
  FitScrollLinesToWindows();
  ArtistScrollText.Step = 0;
  TitleScrollText.Step = 0;
  DrawSongTimeText(TimeDisplayMode);
  DrawRateTexts();
}

void TDeckForm::InstallPlayListHooks() {
  PlayListHooks::DeckDisplay& hooks = PlayListHooks::Deck();
  hooks.SkinIsWinamp = [] { return IsWinampSkin(); };
  hooks.SetArtistScrollText = [this](const QString& text) { SetArtistScrollText(text); };
  hooks.SetTitleScrollText = [this](const QString& text) { SetTitleScrollText(text); };
  hooks.SetStatusText = [this](const QString& text) { StatusText = text; };
  hooks.SetRateTexts = [this](const QString& kbps, const QString& khz) {
    KbpsText = kbps;
    KhzText = khz;
    DrawRateTexts();
  };
  hooks.DisplayFileType = [this] { DisplayFileType(); };
  hooks.DrawPositionSlider = [this] { DrawPositionSlider(); };
  hooks.ShowEngineState = [this] { ShowEngineState(); };
  hooks.ShowNotice = [this](const QString& text) { ShowNotice(text); };
  hooks.PlayListShown = [this](bool shown) {
    PlaylistButtonState = shown ? 6 : 4;
    GeneralFunctions::ShowSprite(*PlaylistButton, EQPLButtonImageList, PlaylistButtonState);
  };
  SkinUnit::SetControlsToNewPositions = [this] { SetControlsToNewPositions(); };
  // The new skin may give the windows other sizes: the windows docked before
  // the switch are docked again against the new sizes.
  auto layoutBeforeSwitch = std::make_shared<WindowDocking::Layout>();
  SkinUnit::KeepWindowState = [this, layoutBeforeSwitch] {
    Settings.EQVisible = EqualizerFormSkinned->isVisible();
    Settings.PLVisible = PlayListEditorForm->isVisible();
    *layoutBeforeSwitch = WindowDocking::CurrentLayout();
    SaveFromAllFormsControlsPositions();
  };
  SkinUnit::RestoreWindowState = [this, layoutBeforeSwitch] {
    LoadFromAllFormsControlsPositions();
    WindowDocking::KeepWindowsDocked(*layoutBeforeSwitch);
  };
}

void TDeckForm::RemovePlayListHooks() {
  PlayListHooks::Deck() = {};
  SkinUnit::SetControlsToNewPositions = nullptr;
  SkinUnit::KeepWindowState = nullptr;
  SkinUnit::RestoreWindowState = nullptr;
}
