#include "TDeckForm.h"

#include <QApplication>
#include <QCloseEvent>

#include "app/Forms.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"

namespace {
// A settings file is 44 short lines; anything far larger is not one.
constexpr qint64 kMaxSettingsFileBytes = 1 << 20;

QString SettingsFilePath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".ini")); }
}  // namespace

TDeckForm::TDeckForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), DeckSkinControls(this) {
  FormCreate();
}

TDeckForm::~TDeckForm() { FormDestroy(); }

void TDeckForm::FormCreate() { setWindowTitle(QStringLiteral("Solvane Audio Player")); }

// Closing the deck ends the message loop; shutdown then destroys the windows.
void TDeckForm::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}

void TDeckForm::FormDestroy() {
  SaveControlsPositions();
  SetSavedSettingsINIStrings();
  WriteSettingsFile();
  KestrelixAudioApi::AudioFree();
}

void TDeckForm::ResetSomeGeneralPurposeVariables() {
  Settings = DefaultSavedSettings(PlatformUi::ProgramFolder());
}

void TDeckForm::SetSavedSettingsINIStrings() { SettingsLines = SettingsToLines(Settings); }

void TDeckForm::GetSavedSettingsINIStrings() {
  if (auto parsed = SettingsFromLines(SettingsLines)) Settings = *parsed;
}

void TDeckForm::ReadSettingsFile() {
  const auto lines = PlatformUi::ReadTextLines(SettingsFilePath(), kMaxSettingsFileBytes);
  if (lines && SettingsFromLines(*lines)) {
    SettingsLines = *lines;
  } else {
    ResetSomeGeneralPurposeVariables();
    SetSavedSettingsINIStrings();
    WriteSettingsFile();
  }
  GetSavedSettingsINIStrings();
}

bool TDeckForm::WriteSettingsFile() {
  return PlatformUi::WriteTextLines(SettingsFilePath(), SettingsLines);
}

void TDeckForm::SaveControlsPositions() {
  Settings.DeckLeft = x();
  Settings.DeckTop = y();
  Settings.SavedSkinsFolder = SkinUnit::SkinsFolder;
  Settings.SavedSkinName = SkinUnit::SkinName;
  Settings.SavedLastFolder = TPlayListEditorForm::LastFolder;
  Settings.SavedBalance = static_cast<int16_t>(BalanceSliderValue);
  Settings.SavedVolume = static_cast<int16_t>(VolumeSliderValue);
  Settings.SavedTimeDisplayMode = TimeDisplayMode;
  Settings.SavedArtistScrollMode = ArtistScrollMode;
  Settings.SavedTitleScrollMode = TitleScrollMode;
}

void TDeckForm::LoadControlsPositions() {
  move(Settings.DeckLeft, Settings.DeckTop);
  SkinUnit::SkinsFolder = Settings.SavedSkinsFolder;
  SkinUnit::SkinName = Settings.SavedSkinName;
  TPlayListEditorForm::LastFolder = Settings.SavedLastFolder;
  BalanceSliderValue = Settings.SavedBalance;
  VolumeSliderValue = Settings.SavedVolume;
  TimeDisplayMode = Settings.SavedTimeDisplayMode;
  ArtistScrollMode = Settings.SavedArtistScrollMode;
  TitleScrollMode = Settings.SavedTitleScrollMode;
}

void TDeckForm::SaveFromAllFormsControlsPositions() {
  SaveControlsPositions();
  EqualizerFormSkinned->EQSaveControlsPositions();
  PlayListEditorForm->PLSaveControlsPositions();
}

void TDeckForm::LoadFromAllFormsControlsPositions() {
  LoadControlsPositions();
  EqualizerFormSkinned->EQLoadControlsPositions();
  PlayListEditorForm->PLLoadControlsPositions();
}
