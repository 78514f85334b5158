#include "TWinAmpSkinForm.h"

#include "skins/SkinUnit.h"
#include "skins/WinampSkinLoader.h"

TWinAmpSkinForm* WinAmpSkinForm = nullptr;

TWinAmpSkinForm::TWinAmpSkinForm(QWidget* parent) : QWidget(parent) {}

void TWinAmpSkinForm::LoadSkin(const QString& folder) {
  SkinUnit::LoadIntoWindows(folder, SkinUnit::LoadWinampSkin);
}
