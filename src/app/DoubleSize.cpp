#include "DoubleSize.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QList>
#include <QScreen>

#include "app/Forms.h"
#include "app/SettingsFile.h"
#include "app/TDeckForm.h"
#include "app/WindowDockingSetup.h"
#include "app/WindowScaling.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/ProgramRestart.h"
#include "playlist/TPlayListEditorForm.h"

namespace {

namespace Audio = KestrelixAudioApi;

// "<song index> <second> <play status>", handed to the new start.
constexpr char kResumeVariable[] = "SOLVANE_RESUME";

bool restartAsked = false;
QByteArray resumeState;

QByteArray CurrentPlayback() {
  const auto& vars = Audio::vars;
  const int64_t second = Audio::HMSToSeconds(vars.ElapsedHours, vars.ElapsedMinutes, vars.ElapsedSeconds60);
  return QByteArray::number(PlayListEditorForm->PlayList.CurrentSongIndex) + ' ' +
         QByteArray::number(static_cast<qlonglong>(second)) + ' ' + QByteArray::number(vars.PlayStatus);
}

QList<ScreenArea> ScreenAreas() {
  QList<ScreenArea> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas.append({screen->geometry(), screen->availableGeometry()});
  return areas;
}

}  // namespace

bool SavedDoubleSize() {
  const auto lines = ReadSettingsFileLines();
  const auto settings = lines ? SettingsFromLines(*lines) : std::nullopt;
  return settings && settings->DoubleSize;
}

void ToggleDoubleSize() {
  TDeckForm& deck = *DeckForm;
  deck.Settings.DoubleSize = !deck.Settings.DoubleSize;
  // The windows are saved at their places in the coordinates of the new
  // scale, so that the next start shows them where they are now.
  const double ratio = deck.Settings.DoubleSize ? 0.5 : 2.0;
  const WindowDocking::Layout places =
      LayoutForScale(WindowDocking::CurrentLayout(), WindowDocking::CurrentDocking(), ratio, ScreenAreas());
  resumeState = CurrentPlayback();
  restartAsked = true;
  deck.close();
  // Out of sight first: at the old scale those places are elsewhere.
  EqualizerFormSkinned->hide();
  PlayListEditorForm->hide();
  WindowDocking::MovePlayerWindows(places);
}

void RestartForDoubleSizeIfAsked() {
  if (!restartAsked) return;
  restartAsked = false;
  PlatformUi::RestartProgram(kResumeVariable, resumeState);
}

void ResumeAfterDoubleSizeRestart() {
  const QList<QByteArray> fields = qgetenv(kResumeVariable).split(' ');
  qunsetenv(kResumeVariable);
  if (fields.size() != 3) return;
  bool indexOk = false, secondOk = false, statusOk = false;
  const int index = fields[0].toInt(&indexOk);
  const qlonglong second = fields[1].toLongLong(&secondOk);
  const int status = fields[2].toInt(&statusOk);
  PlayListModel& playList = PlayListEditorForm->PlayList;
  if (!indexOk || !secondOk || !statusOk || index < 0 || index >= playList.TotalFiles()) return;
  playList.CurrentSongIndex = index;
  if (status != Audio::psPlaying && status != Audio::psPaused) return;
  DeckForm->PlayButtonClick();
  if (second > 0) DeckForm->SeekToSecond(second);
  if (status == Audio::psPaused) DeckForm->PauseButtonClick();
}
