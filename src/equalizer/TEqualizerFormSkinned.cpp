#include "TEqualizerFormSkinned.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"

TEqualizerFormSkinned::TEqualizerFormSkinned(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), EqualizerSkinControls(this) {
  setWindowTitle(QStringLiteral("Equalizer"));
}

TEqualizerFormSkinned::~TEqualizerFormSkinned() { FormDestroy(); }

void TEqualizerFormSkinned::FormDestroy() { EQSaveControlsPositions(); }

// Every slider back to the flat middle; nothing is applied to the sound here.
void TEqualizerFormSkinned::ResetEQBands() {
  SliderValues.fill(50);
  auto& vars = KestrelixAudioApi::vars;
  vars.EQPreAmpValue = 50;
  vars.EQBandValues.fill(50);
}

void TEqualizerFormSkinned::EQSaveControlsPositions() {
  SavedSettings& saved = DeckForm->Settings;
  saved.EQLeft = x();
  saved.EQTop = y();
  saved.SavedEQOn = KestrelixAudioApi::vars.EQEnabled == 1;
  saved.SavedEQAuto = EQAutoOn;
  saved.SavedEQSliders = SliderValues;
  saved.SavedVisualEffectsMode = VisualEffectsMode;
  saved.SavedLevelMeterOn = LevelMeterOn;
}

void TEqualizerFormSkinned::EQLoadControlsPositions() {
  const SavedSettings& saved = DeckForm->Settings;
  setVisible(saved.EQVisible);
  move(saved.EQLeft, saved.EQTop);
  KestrelixAudioApi::vars.EQEnabled = saved.SavedEQOn ? 1 : 0;
  EQAutoOn = saved.SavedEQAuto;
  SliderValues = saved.SavedEQSliders;
  VisualEffectsMode = saved.SavedVisualEffectsMode;
  LevelMeterOn = saved.SavedLevelMeterOn;
}
