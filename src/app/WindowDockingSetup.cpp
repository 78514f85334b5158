#include "WindowDockingSetup.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowDocking.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"

namespace WindowDocking {

namespace {

Windows PlayerWindows() { return {DeckForm, EqualizerFormSkinned, PlayListEditorForm}; }

QPoint deckDragStart;

}  // namespace

Docking& CurrentDocking() {
  static Docking docking;
  return docking;
}

void CheckAllWindows() {
  if (!DeckForm || !EqualizerFormSkinned || !PlayListEditorForm) return;  // shutting down
  CheckIfEQFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
  CheckIfPLFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
}

Layout CurrentLayout() { return LayoutOf(PlayerWindows()); }

void MovePlayerWindows(const Layout& layout) { MoveWindows(PlayerWindows(), layout); }

void KeepWindowsDocked(const Layout& before) {
  if (!DeckForm || !EqualizerFormSkinned || !PlayListEditorForm) return;
  MovePlayerWindows(KeepDocked(before, CurrentLayout(), CurrentDocking()));
  CheckAllWindows();
}

void InstallWindowDocking() {
  CurrentDocking() = Docking{};
  PlayListEditorForm->CheckIfPLFormIsSnappedToOtherForm = [] {
    CheckIfPLFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
  };
  EqualizerFormSkinned->CheckIfEQFormIsSnappedToOtherForm = [] {
    CheckIfEQFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
  };
  // Showing or hiding the equalizer or the playlist editor runs both checks.
  EqualizerFormSkinned->CheckDockingOfAllWindows = CheckAllWindows;
  PlayListEditorForm->CheckDockingOfAllWindows = CheckAllWindows;
  using PlatformUi::ImageControl;
  ImageControl* titleBar = DeckForm->TitleBarImage;
  QObject::connect(titleBar, &ImageControl::MouseDown, DeckForm,
                   [](int x, int y) { deckDragStart = QPoint(x, y); });
  QObject::connect(titleBar, &ImageControl::MouseMove, DeckForm, [](int x, int y, bool leftHeld) {
    if (leftHeld) DragDeck(PlayerWindows(), CurrentDocking(), deckDragStart, QPoint(x, y));
  });
  QObject::connect(titleBar, &ImageControl::MouseUp, DeckForm, [] { CheckAllWindows(); });
}

}  // namespace WindowDocking
