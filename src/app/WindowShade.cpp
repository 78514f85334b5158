#include "WindowShade.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowDockingSetup.h"
#include "app/WindowShadeStrips.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"

namespace WindowShade {

namespace {

using SkinUnit::kShadeHeight;
using SkinUnit::ShadeStrip;

std::array<bool, kWindowCount> shaded{};

QWidget* Window(int window) {
  switch (window) {
    case wiDeck: return DeckForm;
    case wiEqualizer: return EqualizerFormSkinned;
    default: return PlayListEditorForm;
  }
}

ShadeStrip* Strip(int window) {
  switch (window) {
    case wiDeck: return DeckForm->DeckShadeStrip;
    case wiEqualizer: return EqualizerFormSkinned->EQShadeStrip;
    default: return PlayListEditorForm->PLShadeStrip;
  }
}

// The window's height unrolled, from the skin's picture of it.
int FullHeight(int window) {
  switch (window) {
    case wiDeck: return DeckForm->MainImage->height();
    case wiEqualizer: return EqualizerFormSkinned->EQMainImage->height();
    default: return PlayListEditorForm->Panel1->height();
  }
}

WindowPlaces CurrentPlaces() {
  WindowPlaces places;
  for (int window = 0; window < kWindowCount; ++window)
    places[size_t(window)] = {Window(window)->geometry(), Window(window)->isVisible()};
  return places;
}

// Moves the windows hanging on `bottom` under `window` by `by` pixels down.
void MoveWindowsBelow(int window, int bottom, int by) {
  if (by == 0) return;
  for (int below : WindowsBelow(CurrentPlaces(), window, bottom)) {
    QWidget* moved = Window(below);
    moved->move(moved->x(), moved->y() + by);
  }
}

void ShowStrip(int window) {
  ShadeStrip* strip = Strip(window);
  strip->setGeometry(0, 0, Window(window)->width(), kShadeHeight);
  PrepareShadeStrip(window);
  strip->show();
  strip->raise();
}

}  // namespace

bool IsShaded(int window) { return shaded[size_t(window)]; }

bool CanShade(int window) {
  const bool winamp = GeneralFunctions::SkinIsWinamp == 1;
  switch (window) {
    case wiDeck: return DeckForm->ShadeImageList.Count() > 0;
    case wiEqualizer: return winamp && EqualizerFormSkinned->EQShadeImageList.Count() > 0;
    default: return winamp && PlayListEditorForm->PLShadeImageList.Count() > 2;
  }
}

void ToggleShade(int window) { SetShaded(window, !IsShaded(window)); }

void SetShaded(int window, bool shade) {
  if (shade == IsShaded(window) || (shade && !CanShade(window))) return;
  QWidget* rolled = Window(window);
  const int height = shade ? kShadeHeight : FullHeight(window);
  const int by = height - rolled->height();
  MoveWindowsBelow(window, rolled->y() + rolled->height(), by);
  shaded[size_t(window)] = shade;
  if (shade) {
    ShowStrip(window);
  } else {
    Strip(window)->hide();
  }
  rolled->resize(rolled->width(), height);
  if (window == wiDeck) DeckForm->UpdateVisualizationTimer();
  WindowDocking::CheckAllWindows();
}

void SetSavedStates(bool deck, bool equalizer, bool playList) { shaded = {deck, equalizer, playList}; }

// The windows were placed where they were while rolled up, but the skin load
// gave each its full height: a window that stays rolled up only shrinks back,
// and one whose new skin has no strip unrolls and pushes down what hangs
// under its strip.
void ApplyAfterSkinLoad() {
  for (int window = 0; window < kWindowCount; ++window) {
    QWidget* rolled = Window(window);
    if (!IsShaded(window)) {
      Strip(window)->hide();
      continue;
    }
    if (CanShade(window)) {
      ShowStrip(window);
      rolled->resize(rolled->width(), kShadeHeight);
      continue;
    }
    shaded[size_t(window)] = false;
    Strip(window)->hide();
    MoveWindowsBelow(window, rolled->y() + kShadeHeight, rolled->height() - kShadeHeight);
  }
  WindowDocking::CheckAllWindows();
}

void InstallWindowShade() {
  using PlatformUi::SkinnedControl;
  const auto connectToggle = [](SkinnedControl* control, int window, void (SkinnedControl::*signal)()) {
    QObject::connect(control, signal, Window(window), [window] { ToggleShade(window); });
  };
  TDeckForm* deck = DeckForm;
  TEqualizerFormSkinned* eq = EqualizerFormSkinned;
  TPlayListEditorForm* pl = PlayListEditorForm;
  connectToggle(deck->TitleBarImage, wiDeck, &SkinnedControl::DblClick);
  connectToggle(deck->ToggleWindowButton, wiDeck, &SkinnedControl::Click);
  connectToggle(eq->EQTitleBarImage, wiEqualizer, &SkinnedControl::DblClick);
  connectToggle(eq->EQToggleWindowButton, wiEqualizer, &SkinnedControl::Click);
  for (SkinnedControl* title : std::initializer_list<SkinnedControl*>{pl->PLTitleBarLeftImage, pl->PLTopCanvas,
                                                                       pl->PLTitleBarRightImage})
    connectToggle(title, wiPlayList, &SkinnedControl::DblClick);
  connectToggle(pl->PLToggleWindowButton, wiPlayList, &SkinnedControl::Click);
  for (int window = 0; window < kWindowCount; ++window)
    connectToggle(Strip(window), window, &SkinnedControl::DblClick);
}

void RefreshShadedStrips() {
  for (int window = 0; window < kWindowCount; ++window) {
    if (IsShaded(window)) RefreshShadeStrip(window);
  }
}

}  // namespace WindowShade
