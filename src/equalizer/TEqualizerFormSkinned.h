#pragma once
#include <QWidget>

#include <array>
#include <cstdint>

#include "skins/EqualizerSkinControls.h"

// The skinned 10-band equalizer window with its visual-effects panel.
class TEqualizerFormSkinned : public QWidget, public EqualizerSkinControls {
  Q_OBJECT
 public:
  explicit TEqualizerFormSkinned(QWidget* parent = nullptr);
  ~TEqualizerFormSkinned() override;

  // Slider values 0..100, preamp first, then bands 1..10.
  std::array<int16_t, 11> SliderValues{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  bool EQAutoOn = false;
  uint8_t VisualEffectsMode = 3;
  bool LevelMeterOn = true;

  void ResetEQBands();
  void EQSaveControlsPositions();
  void EQLoadControlsPositions();
  void HideAllEqualizerFormSkinnedDebuggingControls() {}

 private:
  void FormDestroy();
};
