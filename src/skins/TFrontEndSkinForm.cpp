#include "TFrontEndSkinForm.h"

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/NativeSkinLoader.h"

TFrontEndSkinForm::TFrontEndSkinForm(QWidget* parent) : QWidget(parent) {}

void TFrontEndSkinForm::LoadSkin(const QString& folder) {
  SkinUnit::LoadNativeSkin(folder, *DeckForm, *EqualizerFormSkinned, *PlayListEditorForm);
}
