#pragma once
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "equalizer/VisualEffects.h"
#include "settings/SavedSettings.h"
#include "skins/EqualizerSkinControls.h"

class QTimer;

// The skinned 10-band equalizer window with its visual-effects panel.
class TEqualizerFormSkinned : public QWidget, public EqualizerSkinControls {
  Q_OBJECT
 public:
  explicit TEqualizerFormSkinned(QWidget* parent = nullptr);
  ~TEqualizerFormSkinned() override;

  static constexpr int kSliderCount = 11;  // the preamp, then bands 1..10

  // Slider values 0..100, preamp first, then bands 1..10.
  std::array<int16_t, kSliderCount> SliderValues{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  bool EQAutoOn = false;
  uint8_t VisualEffectsMode = VisualEffects::vmNone;
  bool LevelMeterOn = true;
  int EQOnButtonState = 0;
  int EQAutoButtonState = 0;

  // Visual effects and level meter; started at the end of start-up.
  QTimer* Timer1;

  // The last frame's data, kept so that drawing a frame allocates nothing.
  VisualEffects::BandPeaks BandPeaks{};
  VisualEffects::ScopePoints ScopePoints{};

  void ResetEQBands();
  void EQSaveControlsPositions();
  void EQLoadControlsPositions();
  void HideAllEqualizerFormSkinnedDebuggingControls();
  void DrawEQDiagramImage();
  // Hands all eleven values to the filter; `thumb` shows its released sprite.
  void UpdateEqualizerControl(PlatformUi::ImageControl& thumb);
  // Hands the eleven slider values to the filter.
  void ApplySliderValues();
  // Places slider `index` (0 the preamp) at its value from SliderValues.
  void PlaceSlider(int index);
  // Every thumb to its value, and the values to the filter.
  void SetControlsToValues();
  // The deck's side, connected once all windows exist: the settings kept
  // across runs; a slider's text in the deck's artist line, with the line's
  // scrolling held (false) or let go again (true); the deck's equalizer
  // button following this window's visibility.
  SavedSettings* Settings = nullptr;
  std::function<void(const QString&)> ShowInDeckArtistLine;
  std::function<void(bool)> SetDeckScrolling;
  std::function<void(bool shown)> ShowDeckEqualizerButton;
  // The docking check against the other two windows, installed by the window
  // layout; it runs while the window is dragged.
  std::function<void()> CheckIfEQFormIsSnappedToOtherForm;
  // Both windows' checks, run when this window is shown or hidden.
  std::function<void()> CheckDockingOfAllWindows;

  // Slider `index`: 0 the preamp, 1..10 the bands.
  void SliderMouseDown(int index, int x, int y);
  void SliderMouseMove(int index, int x, int y);
  void SliderMouseUp(int index);
  void SliderDblClick(int index);
  void SliderClick(int index);

  void EQOnButtonClick();
  void EQAutoButtonClick();
  void EQPresetsButtonClick();
  void EQCloseWindowButtonClick();
  void EQTitleBarImageMouseDown(int x, int y);
  void EQTitleBarImageMouseMove(int x, int y);
  void EQDiagramImageCanvasClick();
  void EQVolLevelCanvasClick();
  void Timer1Timer();
  // Starts the effects' timer when it has something to draw: a song plays,
  // or a silent frame is still to be shown, and the window can be seen.
  void WakeVisualEffects();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void FormShow();
  void FormHide();
  void VisibilityChanged(bool visible);
  void ConnectControls();
  PlatformUi::ImageControl& SliderThumb(int index) const;
  PlatformUi::ImageControl& SliderTrack(int index) const;
  GeneralFunctions::SliderRecord& SliderRecordOf(int index);
  // "EQ: PreAmp:62" or "EQ: 1000 Hz:73" in the deck's artist window.
  void ShowSliderMessage(int index);
  void DrawVisualEffectsFrame(bool playing);
  void ShowBackgroundUnderLevelMeter();
  // A native skin's window that is shown, not minimized and not wholly covered.
  bool EffectsCanBeSeen() const;
  // A song plays and an effect or the meter is on.
  bool EffectsFollowTheSound() const;
  void ExposureChanged();

  QPoint EQDragOrigin;
  // A stopped player shows one silent frame and then stops the timer.
  bool silentFrameShown_ = false;
  static constexpr uint32_t kNoLevelSprites = ~0u;
  uint32_t shownLevelSprites_ = kNoLevelSprites;  // the meter's sprites as last drawn
  int playStatusObserver_ = 0;
  bool exposureWatched_ = false;
  // The windowing system reports the shown window wholly covered (or
  // minimized): nothing of the effects could be seen.
  bool covered_ = false;
};

// The one instance, made at start-up with the other windows.
extern TEqualizerFormSkinned* EqualizerFormSkinned;
