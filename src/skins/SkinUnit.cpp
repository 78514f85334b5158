#include "SkinUnit.h"

#include <QFileInfo>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ProgramFolder.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinFiles.h"
#include "skins/TFrontEndSkinForm.h"

namespace SkinUnit {

QString DefaultSkinPath;
QString SkinsFolder;
QString SkinName;
QString CurrentSkinPath;

std::function<void(const QString& folder)> WinampSkinLoader;
std::function<void()> SetControlsToNewPositions;
std::function<void()> RedrawEqualizerDiagram;
std::function<void()> RebuildPlayListView;

void InitializeVariablesForAllSkins() {
  const QString folder = PlatformUi::ProgramFolder();
  DefaultSkinPath = folder + "skins/Default";
  SkinsFolder = folder + "skins";
  SkinName = QStringLiteral("Default");
  CurrentSkinPath = SkinsFolder + "/" + SkinName;
}

int GetSkinType(const QString& folder) {
  if (!FindSkinFile(folder, QStringLiteral("DeckMain.bmp")).isEmpty()) return stNative;
  if (!FindSkinFile(folder, QStringLiteral("Main.bmp")).isEmpty()) return stWinamp;
  return stUnknown;
}

SplitPath SplitSkinPath(const QString& path) {
  const QString withExtension = path + ".skn";
  const auto slash = withExtension.lastIndexOf(u'/');
  if (slash < 0) return {QString(), withExtension.chopped(4)};
  // The root folder keeps its delimiter, as it has no other name.
  const QString parent = slash == 0 ? QStringLiteral("/") : withExtension.left(slash);
  return {parent, withExtension.mid(slash + 1).chopped(4)};
}

bool SelectSkin() {
  CurrentSkinPath = SkinsFolder + "/" + SkinName;
  const int type = GetSkinType(CurrentSkinPath);
  if (type == stNative) {
    FrontEndSkinForm->LoadSkin(CurrentSkinPath);
  } else if (type == stWinamp && WinampSkinLoader) {
    WinampSkinLoader(CurrentSkinPath);
  } else {
    if (GetSkinType(DefaultSkinPath) != stNative) {
      PlatformUi::ShowErrorMessage(
          QStringLiteral("The default skin is missing from the folder \"%1\".\n"
                         "Solvane Audio Player cannot run without it and will close.")
              .arg(QFileInfo(DefaultSkinPath).absoluteFilePath()));
      return false;
    }
    CurrentSkinPath = DefaultSkinPath;
    FrontEndSkinForm->LoadSkin(CurrentSkinPath);
  }
  const SplitPath split = SplitSkinPath(CurrentSkinPath);
  SkinsFolder = split.Parent;
  SkinName = split.Name;
  return true;
}

bool SwitchToSkin(const QString& folder) {
  const SplitPath split = SplitSkinPath(folder);
  SkinsFolder = split.Parent;
  SkinName = split.Name;
  DeckForm->Settings.EQVisible = EqualizerFormSkinned->isVisible();
  DeckForm->Settings.PLVisible = PlayListEditorForm->isVisible();
  DeckForm->SaveFromAllFormsControlsPositions();
  const bool loaded = SelectSkin();
  // Restoring the window state also restores the skin names saved above; the
  // skin actually loaded (the default one after a fallback) is the choice.
  const QString loadedSkinsFolder = SkinsFolder;
  const QString loadedSkinName = SkinName;
  DeckForm->LoadFromAllFormsControlsPositions();
  SkinsFolder = loadedSkinsFolder;
  SkinName = loadedSkinName;
  if (SetControlsToNewPositions) SetControlsToNewPositions();
  return loaded;
}

}  // namespace SkinUnit
