#include "TWinAmpSkinForm.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/WinampSkinLoader.h"

TWinAmpSkinForm::TWinAmpSkinForm(QWidget* parent) : QWidget(parent) {}

void TWinAmpSkinForm::LoadSkin(const QString& folder) {
  SkinUnit::LoadWinampSkin(folder, *DeckForm, *EqualizerFormSkinned, *PlayListEditorForm);
}
