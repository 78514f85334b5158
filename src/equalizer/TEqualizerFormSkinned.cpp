#include "TEqualizerFormSkinned.h"

#include <QEvent>
#include <QHideEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include <cmath>

#include "audio/KestrelixAudioApi.h"
#include "dsp/EQFilters.h"
#include "equalizer/EQResponseDiagram.h"
#include "skins/BitmapText.h"
#include "skins/SkinUnit.h"
#include "skins/SpriteFunctions.h"
#include "skins/ToggleButtonStates.h"

TEqualizerFormSkinned* EqualizerFormSkinned = nullptr;

namespace {

namespace Audio = KestrelixAudioApi;
using GeneralFunctions::ShowSprite;

constexpr int kEffectsIntervalMs = 20;
constexpr int kTitleActive = 0, kTitleInactive = 1;

}  // namespace

TEqualizerFormSkinned::TEqualizerFormSkinned(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), EqualizerSkinControls(this), Timer1(new QTimer(this)) {
  FormCreate();
}

TEqualizerFormSkinned::~TEqualizerFormSkinned() { FormDestroy(); }

void TEqualizerFormSkinned::FormCreate() {
  setWindowTitle(QStringLiteral("Equalizer"));
  EQTitleBarImage->setToolTip(QStringLiteral("Solvane Audio Player Equalizer Title Bar"));
  EQToggleWindowButton->setToolTip(QStringLiteral("Toggle Windowshade Mode"));
  EQCloseWindowButton->setToolTip(QStringLiteral("Close Equalizer"));
  EQOnButton->setToolTip(QStringLiteral("On/Off Equalizer"));
  EQAutoButton->setToolTip(QStringLiteral("Auto Equalizer Settings"));
  EQPresetsButton->setToolTip(QStringLiteral("Presets"));
  EQPreAmpImage->setToolTip(QStringLiteral("PreAmp Level"));
  EQPreAmpButton->setToolTip(QStringLiteral("PreAmp Slider"));
  EQDiagramImageCanvas->setToolTip(QStringLiteral("Visual Effects"));
  EQVolLevelCanvas->setToolTip(QStringLiteral("Output Volume Level"));
  const auto tracks = EQBandImages();
  const auto thumbs = EQBandButtons();
  for (size_t band = 0; band < tracks.size(); ++band) {
    tracks[band]->setToolTip(
        QStringLiteral("%1 Hz Band Level").arg(std::lround(EQFilters::EQCentreFrequencies[band])));
    thumbs[band]->setToolTip(QStringLiteral("EQ Band %1 Slider").arg(band + 1));
  }
  Timer1->setInterval(kEffectsIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &TEqualizerFormSkinned::Timer1Timer);
  EQDiagramImageCanvas->OnPaint = [this] { DrawEQDiagramImage(); };
  // The effects cover both panels whole, so nothing beneath them is repainted.
  EQDiagramImageCanvas->setAttribute(Qt::WA_OpaquePaintEvent);
  EQVolLevelCanvas->setAttribute(Qt::WA_OpaquePaintEvent);
  // A new skin's panel and meter are drawn afresh: the diagram now, the
  // effects and the meter by the timer's next frame.
  SkinUnit::RedrawEqualizerDiagram = [this] {
    DrawEQDiagramImage();
    ShowBackgroundUnderLevelMeter();
    silentFrameShown_ = false;
    shownLevelSprites_ = kNoLevelSprites;
    WakeVisualEffects();
  };
  playStatusObserver_ = Audio::AddPlayStatusObserver([this] { WakeVisualEffects(); });
  ConnectControls();
}

void TEqualizerFormSkinned::FormDestroy() {
  Timer1->stop();
  Audio::RemovePlayStatusObserver(playStatusObserver_);
  SkinUnit::RedrawEqualizerDiagram = nullptr;
  EQSaveControlsPositions();
}

void TEqualizerFormSkinned::HideAllEqualizerFormSkinnedDebuggingControls() { EQDiagramPreAmpLine->hide(); }

void TEqualizerFormSkinned::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The window's exposure (shown, minimized, covered) decides whether the
  // effects are drawn; the platform window exists from the first show on.
  if (QWindow* window = windowHandle(); window && !exposureWatched_) {
    window->installEventFilter(this);
    exposureWatched_ = true;
  }
  if (!event->spontaneous()) FormShow();
}

void TEqualizerFormSkinned::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) FormHide();
}

void TEqualizerFormSkinned::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange)
    ShowSprite(*EQTitleBarImage, EQTitleBarImageList, isActiveWindow() ? kTitleActive : kTitleInactive);
  if (event->type() == QEvent::WindowStateChange) WakeVisualEffects();
  QWidget::changeEvent(event);
}

// The filter sees the event before the window takes it in, so the new
// exposure is read once the event has been handled.
bool TEqualizerFormSkinned::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle())
    QMetaObject::invokeMethod(this, &TEqualizerFormSkinned::ExposureChanged, Qt::QueuedConnection);
  return QWidget::eventFilter(watched, event);
}

void TEqualizerFormSkinned::ExposureChanged() {
  const QWindow* window = windowHandle();
  covered_ = isVisible() && window && !window->isExposed();
  WakeVisualEffects();
}

void TEqualizerFormSkinned::FormShow() {
  VisibilityChanged(true);
  WakeVisualEffects();
}

void TEqualizerFormSkinned::FormHide() { VisibilityChanged(false); }

// The deck's equalizer button follows the window's visibility.
void TEqualizerFormSkinned::VisibilityChanged(bool visible) {
  if (ShowDeckEqualizerButton) ShowDeckEqualizerButton(visible);
  if (CheckDockingOfAllWindows) CheckDockingOfAllWindows();
}

// Every slider back to the flat middle; nothing is applied to the sound here.
void TEqualizerFormSkinned::ResetEQBands() {
  for (int index = 0; index < kSliderCount; ++index) SliderDblClick(index);
  if (SetDeckScrolling) SetDeckScrolling(true);
}

void TEqualizerFormSkinned::EQSaveControlsPositions() {
  if (!Settings) return;
  SavedSettings& saved = *Settings;
  saved.EQLeft = x();
  saved.EQTop = y();
  saved.SavedEQOn = Audio::vars.EQEnabled == 1;
  saved.SavedEQAuto = EQAutoOn;
  saved.SavedEQSliders = SliderValues;
  saved.SavedVisualEffectsMode = VisualEffectsMode;
  saved.SavedLevelMeterOn = LevelMeterOn;
}

void TEqualizerFormSkinned::EQLoadControlsPositions() {
  if (!Settings) return;
  const SavedSettings& saved = *Settings;
  setVisible(saved.EQVisible);
  move(saved.EQLeft, saved.EQTop);
  Audio::vars.EQEnabled = saved.SavedEQOn ? 1 : 0;
  EQAutoOn = saved.SavedEQAuto;
  SliderValues = saved.SavedEQSliders;
  VisualEffectsMode = saved.SavedVisualEffectsMode;
  LevelMeterOn = saved.SavedLevelMeterOn;
  EQOnButtonState = DeckToggle::FromModel(saved.SavedEQOn);
  EQAutoButtonState = DeckToggle::FromModel(saved.SavedEQAuto);
}

void TEqualizerFormSkinned::UpdateEqualizerControl(PlatformUi::ImageControl& thumb) {
  ShowSprite(thumb, EQBandButtonImageList, 0);
  if (SetDeckScrolling) SetDeckScrolling(true);
  ApplySliderValues();
}

void TEqualizerFormSkinned::SetControlsToValues() {
  for (int index = 0; index < kSliderCount; ++index) {
    PlaceSlider(index);
    UpdateEqualizerControl(index == 0 ? *EQPreAmpButton : *EQBandButtons()[size_t(index - 1)]);
  }
}

void TEqualizerFormSkinned::ApplySliderValues() {
  auto& vars = Audio::vars;
  vars.EQPreAmpValue = SliderValues[0];
  for (int band = 0; band < 10; ++band) vars.EQBandValues[size_t(band)] = SliderValues[size_t(band) + 1];
  Audio::ApplyEqualizerSettings();
}

// The diagram shares its panel with the visual effects and shows only
// while they are off.
void TEqualizerFormSkinned::DrawEQDiagramImage() {
  if (VisualEffectsMode != VisualEffects::vmNone) return;
  EQResponseDiagram::DrawDiagram(EQDiagramImageCanvas->Canvas(), EQDiagramImageList,
                                 EQDiagramPreAmpLine->Picture(), SliderValues,
                                 {EQDiagramStep, EQDiagramPreAmpX, EQDiagramOffsetX});
  EQDiagramImageCanvas->Changed();
}

// The meter's two sprites leave a gap between them, where the window's own
// background shows, as through a see-through panel.
void TEqualizerFormSkinned::ShowBackgroundUnderLevelMeter() {
  QPainter painter(&EQVolLevelCanvas->Canvas());
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(0, 0), EQMainImage->Picture(), EQVolLevelCanvas->geometry());
}

// The background goes under the new mode first: the bars do not cover the
// panel's edges, where the last scope would otherwise stay.
void TEqualizerFormSkinned::EQDiagramImageCanvasClick() {
  VisualEffectsMode = uint8_t((VisualEffectsMode + 1) % 4);
  VisualEffects::CopySprite(EQDiagramImageList, 0, EQDiagramImageCanvas->Canvas(), 0, 0);
  silentFrameShown_ = false;
  EQDiagramImageCanvas->Changed();
  WakeVisualEffects();
}

void TEqualizerFormSkinned::EQVolLevelCanvasClick() {
  LevelMeterOn = !LevelMeterOn;
  silentFrameShown_ = false;
  shownLevelSprites_ = kNoLevelSprites;
  WakeVisualEffects();
}

bool TEqualizerFormSkinned::EffectsCanBeSeen() const {
  return GeneralFunctions::SkinIsWinamp == 0 && isVisible() && !isMinimized() && !covered_;
}

bool TEqualizerFormSkinned::EffectsFollowTheSound() const {
  return Audio::vars.PlayStatus == Audio::psPlaying &&
         (VisualEffectsMode != VisualEffects::vmNone || LevelMeterOn);
}

void TEqualizerFormSkinned::WakeVisualEffects() {
  if (Timer1->isActive() || !EffectsCanBeSeen()) return;
  if (EffectsFollowTheSound() || !silentFrameShown_) Timer1->start();
}

// Fifty frames a second while a song plays and the window can be seen. Under
// a Winamp skin nothing is drawn; while nothing plays (or neither an effect
// nor the meter is on), one silent frame is drawn. With nothing (more) to
// draw the timer stops; WakeVisualEffects starts it again.
void TEqualizerFormSkinned::Timer1Timer() {
  if (!EffectsCanBeSeen()) {
    Timer1->stop();
    return;
  }
  const bool playing = EffectsFollowTheSound();
  if (playing || !silentFrameShown_) DrawVisualEffectsFrame(playing);
  silentFrameShown_ = !playing;
  if (!playing) Timer1->stop();
}

void TEqualizerFormSkinned::DrawVisualEffectsFrame(bool playing) {
  auto& vars = Audio::vars;
  if (!playing) {
    vars.FFTData.fill(0);
    vars.WaveData = {};
    vars.LevelData = 0;
  }
  switch (VisualEffectsMode) {
    case VisualEffects::vmScope:
      if (playing) Audio::AudioGetWaveData();
      VisualEffects::DrawScope(vars.WaveData, EQDiagramImageList, ScopeColors,
                               EQDiagramImageCanvas->Canvas(), ScopePoints);
      break;
    case VisualEffects::vmBandBars:
      if (playing) Audio::AudioGetFFTData();
      VisualEffects::ComputeBandPeaks(vars.FFTData, vars.FFTSampleRate, vars.EQBandFrequencies, BandPeaks);
      VisualEffects::DrawBandBars(BandPeaks, EQVisualEffectsImageList, EQDiagramImageCanvas->Canvas());
      break;
    case VisualEffects::vmSpectrum:
      if (playing) Audio::AudioGetFFTData();
      VisualEffects::DrawSpectrum(vars.FFTData, vars.FFTSampleRate, EQDiagramImageList, SpectrumColors,
                                  EQDiagramImageCanvas->Canvas());
      break;
    default: break;
  }
  if (playing && LevelMeterOn) Audio::AudioGetLevel();
  // The meter is redrawn only when one of its sprites changes.
  const uint32_t sprites = LevelMeterOn ? VisualEffects::LevelSprites(vars.LevelData) : 0;
  if (!playing || sprites != shownLevelSprites_) {
    shownLevelSprites_ = sprites;
    VisualEffects::DrawLevelMeter(vars.LevelData, LevelMeterOn, EQVisualEffectsVolLevelImageList,
                                  EQVolLevelCanvas->Canvas());
  }
  // Both panels' changes reach the screen in one repaint, made now: a posted
  // update would cost the event loop a second turn for each frame.
  PlatformUi::RepaintChanges({EQDiagramImageCanvas, EQVolLevelCanvas});
}
