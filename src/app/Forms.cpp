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
#include "skins/TFrontEndSkinForm.h"
#include "skins/SkinUnit.h"
#include "skins/TPreferencesDialogForm.h"
#include "skins/TWinAmpSkinForm.h"

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
  SkinUnit::Windows = {DeckForm, EqualizerFormSkinned, PlayListEditorForm};
}

void DestroyForms() {
  SkinUnit::Windows = {};
  for (auto it = destroyers.rbegin(); it != destroyers.rend(); ++it) (*it)();
  destroyers.clear();
}
