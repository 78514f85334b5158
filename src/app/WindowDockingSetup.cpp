#include "WindowDockingSetup.h"

#include <QEvent>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowDocking.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"

namespace WindowDocking {

namespace {

Windows PlayerWindows() { return {DeckForm, EqualizerFormSkinned, PlayListEditorForm}; }

QPoint deckDragStart;

// Showing or hiding the equalizer or the playlist editor runs both checks.
class VisibilityWatcher : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) CheckAllWindows();
    return false;
  }
};

}  // namespace

Docking& CurrentDocking() {
  static Docking docking;
  return docking;
}

void CheckAllWindows() {
  CheckIfEQFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
  CheckIfPLFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
}

void InstallWindowDocking() {
  CurrentDocking() = Docking{};
  PlayListEditorForm->CheckIfPLFormIsSnappedToOtherForm = [] {
    CheckIfPLFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
  };
  EqualizerFormSkinned->CheckIfEQFormIsSnappedToOtherForm = [] {
    CheckIfEQFormIsSnappedToOtherForm(PlayerWindows(), CurrentDocking());
  };
  auto* watcher = new VisibilityWatcher(DeckForm);
  for (QWidget* window : {static_cast<QWidget*>(EqualizerFormSkinned), static_cast<QWidget*>(PlayListEditorForm)})
    window->installEventFilter(watcher);
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
