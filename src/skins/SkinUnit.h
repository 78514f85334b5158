#pragma once
// Program-wide skin state (where skins live and which one is loaded), the
// skin-format test and the selection of a skin's loader.
#include <QString>

#include <functional>

struct DeckSkinControls;
struct EqualizerSkinControls;
struct PlayListSkinControls;

namespace SkinUnit {

extern QString DefaultSkinPath;
extern QString SkinsFolder;
extern QString SkinName;
extern QString CurrentSkinPath;

// Skin formats, told apart by a marker file in the skin folder.
enum SkinType : int { stNative = 0, stWinamp = 1, stUnknown = 2 };

// DefaultSkinPath, SkinsFolder and SkinName from the program folder.
void InitializeVariablesForAllSkins();

// The folder itself when it holds a marker file, else its first subfolder
// (in name order) that does: many skins sit one folder down in their folder.
QString ResolveSkinFolder(const QString& folder);

// stNative if the skin folder or archive holds "DeckMain.bmp", else stWinamp
// if it holds "Main.bmp", else stUnknown (names in any case, one folder down
// allowed).
int GetSkinType(const QString& path);

struct SplitPath {
  QString Parent;  // the folder holding the last component, without a trailing "/"
  QString Name;    // the last component; empty for a path ending in "/"
};
SplitPath SplitSkinPath(const QString& path);

// Loads the skin named by SkinsFolder and SkinName with the loader of its
// format; the name may be a folder or a skin archive (.wsz, .zip). A folder
// of no known format loads the default skin, which then becomes the
// remembered choice; so does an archive that cannot be used, after a message
// saying why. Returns false when the default skin is
// needed but missing: the user has been told which folder is missing and the
// caller must end the program.
bool SelectSkin();

// Loads a Winamp skin folder; when empty, WinAmpSkinForm's loader does.
extern std::function<void(const QString& folder)> WinampSkinLoader;

// Switching skins from the preferences dialog: split the chosen folder into
// skins root and name, keep the window state of the outgoing skin, select the
// skin, restore the window state and redraw every control. Returns what
// SelectSkin returned.
bool SwitchToSkin(const QString& folder);

// Window work that follows a skin load, each installed by the window that
// does it: the deck redraws every control from the model after a skin change,
// the equalizer redraws its response diagram, the playlist editor rebuilds
// its list view.
extern std::function<void()> SetControlsToNewPositions;
// The deck keeps the state of all three windows before a switch (their
// visibility and places into the settings) and restores it after.
extern std::function<void()> KeepWindowState;
extern std::function<void()> RestoreWindowState;
extern std::function<void()> RedrawEqualizerDiagram;
extern std::function<void()> RebuildPlayListView;

// The controls of the three skinned windows that a skin is loaded into; set
// once the windows exist, and a skin loads nowhere before.
struct SkinnedWindows {
  DeckSkinControls* deck = nullptr;
  EqualizerSkinControls* equalizer = nullptr;
  PlayListSkinControls* playList = nullptr;
};
extern SkinnedWindows Windows;

using SkinLoader = void (*)(const QString& folder, DeckSkinControls&, EqualizerSkinControls&, PlayListSkinControls&);
void LoadIntoWindows(const QString& folder, SkinLoader loader);

}  // namespace SkinUnit
