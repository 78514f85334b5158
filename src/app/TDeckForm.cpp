#include "TDeckForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QTimer>

#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/EQPresetsFile.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/DroppedSongs.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"

namespace {
constexpr int kDeckTimerIntervalMs = 400;
}  // namespace

TDeckForm::TDeckForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      DeckSkinControls(this),
      Timer1(new QTimer(this)),
      Timer2(new QTimer(this)) {
  FormCreate();
}

TDeckForm::~TDeckForm() { FormDestroy(); }

void TDeckForm::FormCreate() {
  // The deck is the main window: its title is the application title alone.
  setAcceptDrops(true);
  Timer1->setInterval(kDeckTimerIntervalMs);
  Timer2->setInterval(kDeckTimerIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &TDeckForm::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TDeckForm::Timer2Timer);
  playStatusObserver_ = KestrelixAudioApi::AddPlayStatusObserver([this] { FollowPlayStatus(); });
  ConnectControls();
  InstallPlayListHooks();
}

void TDeckForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      FormActivate();
    } else {
      FormDeactivate();
    }
  }
  QWidget::changeEvent(event);
}

void TDeckForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!PlatformUi::DroppedSongs(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TDeckForm::dropEvent(QDropEvent* event) {
  const QStringList paths = PlatformUi::DroppedSongs(event->mimeData());
  if (paths.isEmpty()) return;
  DragFunc(paths);
  event->acceptProposedAction();
}

// Closing the deck ends the message loop; shutdown then destroys the windows.
void TDeckForm::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}

void TDeckForm::FormDestroy() {
  Timer1->stop();
  Timer2->stop();
  KestrelixAudioApi::RemovePlayStatusObserver(playStatusObserver_);
  RemovePlayListHooks();
  EqualizerPresets::SavePresetsFile();
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
  const auto lines = ReadSettingsFileLines();
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
  Settings.SavedBalance = static_cast<int16_t>(BalanceSliderRecord.Value);
  Settings.SavedVolume = static_cast<int16_t>(VolumeSliderRecord.Value);
  Settings.SavedTimeDisplayMode = TimeDisplayMode;
  Settings.SavedArtistScrollMode = ArtistWindowInfo.ScrollMode;
  Settings.SavedTitleScrollMode = TitleWindowInfo.ScrollMode;
}

void TDeckForm::LoadControlsPositions() {
  move(Settings.DeckLeft, Settings.DeckTop);
  SkinUnit::SkinsFolder = Settings.SavedSkinsFolder;
  SkinUnit::SkinName = Settings.SavedSkinName;
  TPlayListEditorForm::LastFolder = Settings.SavedLastFolder;
  BalanceSliderRecord.Value = Settings.SavedBalance;
  VolumeSliderRecord.Value = Settings.SavedVolume;
  TimeDisplayMode = Settings.SavedTimeDisplayMode;
  ArtistWindowInfo.ScrollMode = Settings.SavedArtistScrollMode;
  TitleWindowInfo.ScrollMode = Settings.SavedTitleScrollMode;
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
