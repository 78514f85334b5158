#pragma once
#include <QStringList>
#include <QWidget>

#include <cstdint>

#include "app/SavedSettings.h"
#include "skins/DeckSkinControls.h"

// The deck: the main window. Closing it ends the program.
class TDeckForm : public QWidget, public DeckSkinControls {
  Q_OBJECT
 public:
  explicit TDeckForm(QWidget* parent = nullptr);
  ~TDeckForm() override;

  SavedSettings Settings;
  QStringList SkinTextLines;
  QStringList SettingsLines;
  QStringList PresetLines;

  // Transport and display state.
  bool Paused = false;
  bool PauseBlink = false;
  bool ScrollTextEnabled = true;
  uint8_t TimeDisplayMode = 0;
  uint8_t ArtistScrollMode = 0;
  uint8_t TitleScrollMode = 0;
  uint8_t FileTypeEffectStep = 0;
  int VolumeSliderValue = 78;
  int BalanceSliderValue = 50;

  void ResetSomeGeneralPurposeVariables();
  void SetSavedSettingsINIStrings();
  void GetSavedSettingsINIStrings();
  void SaveControlsPositions();
  void LoadControlsPositions();
  void SaveFromAllFormsControlsPositions();
  void LoadFromAllFormsControlsPositions();

  // Reads the settings file into SettingsLines and the fields; a missing or
  // unusable file is replaced by the defaults first.
  void ReadSettingsFile();
  bool WriteSettingsFile();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
};
