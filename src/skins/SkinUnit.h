#pragma once
// Program-wide skin state: where skins live and which one is loaded.
#include <QString>

namespace SkinUnit {

extern QString DefaultSkinPath;
extern QString SkinsFolder;
extern QString SkinName;
extern QString CurrentSkinPath;

// DefaultSkinPath, SkinsFolder and SkinName from the program folder.
void InitializeVariablesForAllSkins();

// Detects the format of the skin folder and loads it, falling back to the
// default skin.
void SelectSkin(const QString& skinPath);

}  // namespace SkinUnit
