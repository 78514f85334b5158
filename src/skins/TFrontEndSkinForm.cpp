#include "TFrontEndSkinForm.h"

#include "skins/SkinUnit.h"
#include "skins/NativeSkinLoader.h"

TFrontEndSkinForm* FrontEndSkinForm = nullptr;

TFrontEndSkinForm::TFrontEndSkinForm(QWidget* parent) : QWidget(parent) {}

void TFrontEndSkinForm::LoadSkin(const QString& folder) {
  SkinUnit::LoadIntoWindows(folder, SkinUnit::LoadNativeSkin);
}
