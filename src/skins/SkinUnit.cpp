#include "SkinUnit.h"

#include "platform/ui/ProgramFolder.h"

namespace SkinUnit {

QString DefaultSkinPath;
QString SkinsFolder;
QString SkinName;
QString CurrentSkinPath;

void InitializeVariablesForAllSkins() {
  const QString folder = PlatformUi::ProgramFolder();
  DefaultSkinPath = folder + "skins/Default";
  SkinsFolder = folder + "skins";
  SkinName = QStringLiteral("Default");
  CurrentSkinPath = SkinsFolder + "/" + SkinName;
}

void SelectSkin(const QString& skinPath) { CurrentSkinPath = skinPath; }

}  // namespace SkinUnit
