#include "AutoSave.h"

#include <QTimer>

#include "app/Forms.h"
#include "app/SettingsFile.h"
#include "app/TDeckForm.h"
#include "playlist/TPlayListEditorForm.h"

namespace {

// Each look takes the state of every window, as shutdown does. The looks
// ride on the deck's 400 ms tick, every third one, so that they never wake
// the player on their own.
constexpr int kTicksPerLook = 3;

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
  QObject::connect(DeckForm->Timer1, &QTimer::timeout, DeckForm,
                   [settings = Debounced<QStringList>(DeckForm->SettingsLines),
                    playList = Debounced<uint64_t>(PlayListEditorForm->PlayList.Revision()), ticks = 0]() mutable {
                     if (++ticks < kTicksPerLook) return;
                     ticks = 0;
                     DeckForm->SaveFromAllFormsControlsPositions();
                     if (settings.Due(SettingsToLines(DeckForm->Settings))) {
                       DeckForm->SetSavedSettingsINIStrings();
                       DeckForm->WriteSettingsFile();
                     }
                     if (playList.Due(PlayListEditorForm->PlayList.Revision())) PlayListEditorForm->SaveAutoPlayList();
                   });
}
