#include "PlayerStartup.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "app/AutoSave.h"
#include "app/DeckMenu.h"
#include "app/DoubleSize.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowDockingSetup.h"
#include "app/WindowPlacement.h"
#include "app/WindowStacking.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/EQPresets.h"
#include "equalizer/EQPresetsFile.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "equalizer/TEqualizerPresetsForm.h"
#include "platform/VersionInfo.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/RandomGenerator.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "skins/TPreferencesDialogForm.h"

namespace {

// The front-end reads them when it loads a song.
void UseReplayGainSettings(const SavedSettings& settings) {
  KestrelixAudioApi::vars.ReplayGainMode = settings.ReplayGainMode;
  KestrelixAudioApi::vars.ReplayGainPreAmpDb = settings.ReplayGainPreAmpDb;
}

}  // namespace

bool InitializePlayer() {
  QGuiApplication::setApplicationDisplayName(QStringLiteral("%1 v%2").arg(
      QLatin1String(VersionInfo::ProductName), QLatin1String(VersionInfo::Version)));
  SkinUnit::InitializeVariablesForAllSkins();
  TPlayListEditorForm::LastFolder = PlatformUi::DefaultLastFolder();
  EqualizerFormSkinned->VisualEffectsMode = 3;
  DeckForm->FileTypeEffectStep = 0;
  PlatformUi::SeedRandomGeneratorFromClock();

  PlatformUi::PrepareUserFolders();
  TellOfUnwritableProgramFolder();
  DeckForm->ReadSettingsFile();
  SkinUnit::SkinsFolder = DeckForm->Settings.SavedSkinsFolder;
  SkinUnit::SkinName = DeckForm->Settings.SavedSkinName;
  TPlayListEditorForm::LastFolder = DeckForm->Settings.SavedLastFolder;
  if (!SkinUnit::SelectSkin()) return false;

  InitializeDeckVariables();
  HideAllDebuggingControls();
  KestrelixAudioApi::LoadSelectedAudioAPI();
  UseReplayGainSettings(DeckForm->Settings);
  DeckForm->LoadFromAllFormsControlsPositions();
  DeckForm->SetControlsToNewPositions();
  LoadEqualizerPresets();
  InstallDeckMenuAndShortcuts();
  DeckForm->show();
  DeckForm->Timer1->start();
  DeckForm->Timer2->start();
  EqualizerFormSkinned->Timer1->start();
  WindowDocking::InstallWindowDocking();
  BringPlayerWindowsOntoScreens();
  WindowDocking::CheckAllWindows();
  InstallRaiseTogether();
  InstallPreferencesDialog();
  InstallAutoSave();
  return true;
}

void TellOfUnwritableProgramFolder() {
  const QString folder = PlatformUi::LeaveUnwritableProgramFolder();
  if (folder.isEmpty()) return;
  PlatformUi::ShowMessage(
      QStringLiteral("The player cannot write into its folder\n%1\n\nUntil it ends, its settings, "
                     "playlist and presets are kept in\n%2")
          .arg(folder, PlatformUi::CurrentProgramFolders().config),
      QGuiApplication::applicationDisplayName(), QMessageBox::Warning);
}

void InstallPreferencesDialog() {
  DeckForm->ShowPreferencesDialog = [] { PreferencesDialogForm->ShowDialog(); };
  SavedSettings& settings = DeckForm->Settings;
  PreferencesDialogForm->AlwaysOnTop = {[&settings] { return settings.AlwaysOnTop; },
                                        [&settings](bool onTop) {
                                          settings.AlwaysOnTop = onTop;
                                          SetFormsStayOnTop(onTop ? 1 : 0);
                                        }};
  PreferencesDialogForm->UseFreedbSupport = {[&settings] { return settings.UseFreedbSupport; },
                                             [&settings](bool use) { settings.UseFreedbSupport = use; }};
  PreferencesDialogForm->DoubleSize = {[&settings] { return settings.DoubleSize; },
                                       [&settings](bool doubled) {
                                         if (doubled != settings.DoubleSize) ToggleDoubleSize();
                                       }};
  PreferencesDialogForm->ReadTitlesFromTags = {[&settings] { return settings.ReadTitlesFromTags; },
                                               [&settings](bool read) {
                                                 settings.ReadTitlesFromTags = read;
                                                 if (read) PlayListEditorForm->TagReading.ApplyTagTitlesToAll();
                                               }};
  PreferencesDialogForm->AddFoldersWithSubfolders = {
      [&settings] { return settings.AddFoldersWithSubfolders; },
      [&settings](bool withSubfolders) { settings.AddFoldersWithSubfolders = withSubfolders; }};
  PreferencesDialogForm->SkipUnplayableSongs = {[&settings] { return settings.SkipUnplayableSongs; },
                                                [&settings](bool skip) { settings.SkipUnplayableSongs = skip; }};
  PreferencesDialogForm->GaplessPlayback = {[&settings] { return settings.GaplessPlayback; },
                                            [&settings](bool gapless) {
                                              settings.GaplessPlayback = gapless;
                                              PlayListEditorForm->KeepNextSongPrepared();
                                            }};
  // ReplayGain applies from the next song loaded on.
  PreferencesDialogForm->ReplayGainMode = {[&settings] { return int(settings.ReplayGainMode); },
                                           [&settings](int mode) {
                                             settings.ReplayGainMode = uint8_t(mode);
                                             UseReplayGainSettings(settings);
                                           }};
  PreferencesDialogForm->ReplayGainPreAmp = {[&settings] { return int(settings.ReplayGainPreAmpDb); },
                                             [&settings](int dB) {
                                               settings.ReplayGainPreAmpDb = dB;
                                               UseReplayGainSettings(settings);
                                             }};
}

void InitializeDeckVariables() {
  EqualizerFormSkinned->ResetEQBands();
  PlayListEditorForm->InitializePlayList();  // automatic playlist, TotalFiles, display options
  KestrelixAudioApi::vars.PositionPercent = 0;
  DeckForm->SetArtistScrollText(QStringLiteral("Welcome to %1 v%2").arg(
      QLatin1String(VersionInfo::ProductName), QLatin1String(VersionInfo::Version)));
  DeckForm->SetTitleScrollText(QLatin1String(VersionInfo::ProductNotice));
  DeckForm->ArtistScrollText.ShownText.clear();
  DeckForm->TitleScrollText.ShownText.clear();
  DeckForm->FitScrollLinesToWindows();
  DeckForm->ScrollTextEnabled = true;
  DeckForm->TimeDisplayMode = 0;
  DeckForm->Paused = false;
  DeckForm->PauseBlink = false;
  KestrelixAudioApi::vars.TextWindowsDirty = 0;
}

void LoadEqualizerPresets() {
  EqualizerPresets::InitDefaultPresets();
  EqualizerPresetsForm->FillPresetList();
  EqualizerPresets::LoadPresetsFile();
  EqualizerPresetsForm->FillPresetList();
}

void HideAllDebuggingControls() {
  EqualizerFormSkinned->HideAllEqualizerFormSkinnedDebuggingControls();
  PlayListEditorForm->HideAllPlayListDebuggingControls();
}

namespace {

QList<QWidget*> StayOnTopForms() {
  return {DeckForm, EqualizerFormSkinned, PlayListEditorForm, EqualizerPresetsForm,
          PreferencesDialogForm};
}

void SetStayOnTop(QWidget* window, bool onTop) {
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) return;
  const bool visible = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  // Changing window flags hides a window; bring it back as it was.
  if (visible) window->show();
}

}  // namespace

void SetFormsStayOnTop(int onTop) {
  if (onTop != 0 && onTop != 1) return;
  for (QWidget* window : StayOnTopForms()) SetStayOnTop(window, onTop == 1);
}

// Switching the flag off and on again would hide and re-show every window
// under Qt, so the state is set once and the windows are raised instead.
void AppDeactivate() {
  const bool onTop = DeckForm->Settings.AlwaysOnTop;
  SetFormsStayOnTop(onTop ? 1 : 0);
  if (!onTop) return;
  for (QWidget* window : StayOnTopForms()) {
    if (window->isVisible()) window->raise();
  }
}

void RaisePlayerWindows() {
  for (QWidget* window : PlayerWindows()) {
    if (window != DeckForm && !window->isVisible()) continue;
    if (window->isMinimized()) window->showNormal();
    window->raise();
  }
  DeckForm->activateWindow();
}
