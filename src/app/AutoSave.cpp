#include "AutoSave.h"

#include <QTimer>

#include "app/Forms.h"
#include "app/SettingsFile.h"
#include "app/TDeckForm.h"
#include "playlist/TPlayListEditorForm.h"

namespace {

// Each look takes the state of every window, as shutdown does.
constexpr int kLookIntervalMs = 1000;

// A state written once it has held still from one look to the next, so a
// drag or a burst of edits is written once, when it is over. A failed
// write is not tried again until the state changes.
template <typename State>
class Debounced {
 public:
  explicit Debounced(State written) : written_(written), seen_(std::move(written)) {}

  bool Due(const State& now) {
    const bool due = now != written_ && now == seen_;
    seen_ = now;
    if (due) written_ = now;
    return due;
  }

 private:
  State written_;
  State seen_;
};

}  // namespace

void InstallAutoSave() {
  auto* timer = new QTimer(DeckForm);
  timer->setInterval(kLookIntervalMs);
  QObject::connect(timer, &QTimer::timeout, DeckForm,
                   [settings = Debounced<QStringList>(DeckForm->SettingsLines),
                    playList = Debounced<uint64_t>(PlayListEditorForm->PlayList.Revision())]() mutable {
                     DeckForm->SaveFromAllFormsControlsPositions();
                     if (settings.Due(SettingsToLines(DeckForm->Settings))) {
                       DeckForm->SetSavedSettingsINIStrings();
                       DeckForm->WriteSettingsFile();
                     }
                     if (playList.Due(PlayListEditorForm->PlayList.Revision())) PlayListEditorForm->SaveAutoPlayList();
                   });
  timer->start();
}
