#include "SkinUnit.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ProgramFolder.h"
#include "skins/SkinArchive.h"
#include "skins/SkinFiles.h"
#include "skins/TFrontEndSkinForm.h"
#include "skins/TWinAmpSkinForm.h"

namespace SkinUnit {

QString DefaultSkinPath;
QString SkinsFolder;
QString SkinName;
QString CurrentSkinPath;

std::function<void(const QString& folder)> WinampSkinLoader;
std::function<void()> SetControlsToNewPositions;
std::function<void()> KeepWindowState;
std::function<void()> RestoreWindowState;
SkinnedWindows Windows;
std::function<void()> RedrawEqualizerDiagram;
std::function<void()> RebuildPlayListView;

void LoadIntoWindows(const QString& folder, SkinLoader loader) {
  if (Windows.deck && Windows.equalizer && Windows.playList)
    loader(folder, *Windows.deck, *Windows.equalizer, *Windows.playList);
}

void InitializeVariablesForAllSkins() {
  const QString folder = PlatformUi::ProgramFolder();
  DefaultSkinPath = folder + "skins/Default";
  SkinsFolder = folder + "skins";
  SkinName = QStringLiteral("Default");
  CurrentSkinPath = SkinsFolder + "/" + SkinName;
}

namespace {

// The unpacked copy of the loaded skin archive, kept until the next load.
std::unique_ptr<QTemporaryDir> unpackedSkin;

int MarkerType(const QString& folder) {
  if (!FindSkinFile(folder, QStringLiteral("DeckMain.bmp")).isEmpty()) return stNative;
  if (!FindSkinFile(folder, QStringLiteral("Main.bmp")).isEmpty()) return stWinamp;
  return stUnknown;
}

// The folder to load for the chosen skin path; an archive is unpacked first,
// and one that cannot be used is reported and gives an empty folder.
QString UnpackedSkinFolder(const QString& path) {
  unpackedSkin.reset();
  if (!IsSkinArchive(path)) return path;
  UnpackedSkin unpacked = UnpackSkinArchive(path);
  if (!unpacked.dir) {
    PlatformUi::ShowErrorMessage(
        QStringLiteral("The skin archive \"%1\" %2.\nThe default skin is shown instead.")
            .arg(QFileInfo(path).fileName(), unpacked.error));
    return {};
  }
  unpackedSkin = std::move(unpacked.dir);
  return unpackedSkin->path();
}

}  // namespace

QString ResolveSkinFolder(const QString& folder) {
  if (folder.isEmpty() || MarkerType(folder) != stUnknown) return folder;
  const QDir dir(folder);
  const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& sub : subfolders) {
    if (MarkerType(dir.filePath(sub)) != stUnknown) return dir.filePath(sub);
  }
  return folder;
}

int GetSkinType(const QString& path) {
  if (!IsSkinArchive(path)) return MarkerType(ResolveSkinFolder(path));
  const QString marker = SkinArchiveMarker(path);
  if (marker.compare(QLatin1String("DeckMain.bmp"), Qt::CaseInsensitive) == 0) return stNative;
  return marker.isEmpty() ? stUnknown : stWinamp;
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
  const QString folder = ResolveSkinFolder(UnpackedSkinFolder(CurrentSkinPath));
  const int type = folder.isEmpty() ? stUnknown : MarkerType(folder);
  if (type == stNative) {
    FrontEndSkinForm->LoadSkin(folder);
  } else if (type == stWinamp) {
    if (WinampSkinLoader) WinampSkinLoader(folder);
    else WinAmpSkinForm->LoadSkin(folder);
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
  if (KeepWindowState) KeepWindowState();
  const bool loaded = SelectSkin();
  // Restoring the window state also restores the skin names saved above; the
  // skin actually loaded (the default one after a fallback) is the choice.
  const QString loadedSkinsFolder = SkinsFolder;
  const QString loadedSkinName = SkinName;
  if (RestoreWindowState) RestoreWindowState();
  SkinsFolder = loadedSkinsFolder;
  SkinName = loadedSkinName;
  if (SetControlsToNewPositions) SetControlsToNewPositions();
  return loaded;
}

}  // namespace SkinUnit
