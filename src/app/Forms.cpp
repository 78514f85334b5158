#include "Forms.h"

#include <functional>
#include <vector>

#include "app/TDeckForm.h"
#include "audio/TSelectAudioApiForm.h"
#include "cddb/TMyFreeDBInterfaceForm.h"
#include "cddb/TSubmitTofreedbForm.h"
#include "cddb/TfreedbMatchesDialogForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "equalizer/TEqualizerPresetsForm.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "skins/SpriteFunctions.h"
#include "skins/TFrontEndSkinForm.h"
#include "skins/TPreferencesDialogForm.h"
#include "skins/TWinAmpSkinForm.h"
#include "skins/ToggleButtonStates.h"

TDeckForm* DeckForm = nullptr;

namespace {

// One destroyer per created window, in creation order; shutdown runs them backwards.
std::vector<std::function<void()>> destroyers;

template <typename Form>
void Create(Form*& instance) {
  instance = new Form;
  destroyers.push_back([&instance] {
    delete instance;
    instance = nullptr;
  });
}

// The windows below the deck reach it only through what is handed to them here.
void ConnectWindowsToDeck() {
  SkinUnit::Windows = {DeckForm, EqualizerFormSkinned, PlayListEditorForm};
  PlayListEditorForm->Settings = &DeckForm->Settings;
  TEqualizerFormSkinned& eq = *EqualizerFormSkinned;
  eq.Settings = &DeckForm->Settings;
  eq.ShowInDeckArtistLine = [](const QString& text) { DeckForm->ShowInArtistWindow(text); };
  eq.SetDeckScrolling = [](bool enabled) { DeckForm->ScrollTextEnabled = enabled; };
  eq.ShowDeckEqualizerButton = [](bool shown) {
    DeckForm->EqualizerButtonState = DeckToggle::FromModel(shown);
    GeneralFunctions::ShowSprite(*DeckForm->EqualizerButton, DeckForm->EQPLButtonImageList,
                                 DeckForm->EqualizerButtonState);
  };
}

}  // namespace

void CreateForms() {
  Create(DeckForm);
  Create(EqualizerFormSkinned);
  Create(PlayListEditorForm);
  Create(SelectAudioApiForm);
  Create(PreferencesDialogForm);
  Create(WinAmpSkinForm);
  Create(FrontEndSkinForm);
  Create(EqualizerPresetsForm);
  Create(MyFreeDBInterfaceForm);
  Create(freedbMatchesDialogForm);
  Create(SubmitTofreedbForm);
  ConnectWindowsToDeck();
}

QList<QWidget*> PlayerWindows() { return {DeckForm, EqualizerFormSkinned, PlayListEditorForm}; }

void DestroyForms() {
  SkinUnit::Windows = {};
  for (auto it = destroyers.rbegin(); it != destroyers.rend(); ++it) (*it)();
  destroyers.clear();
}
