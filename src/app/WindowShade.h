#pragma once
// Windowshade: each of the three windows rolls up into its 14-pixel strip
// (a double click on its title bar, its shade button, or a key) and back;
// the windows hanging below it move up and down with it, and the docking
// records are checked afterwards. The state is kept in the settings and
// applied again after every skin load; a skin without a strip for a window
// unrolls it.
#include "app/WindowShadeLayout.h"

namespace WindowShade {

// Where the deck's strip shows its small visualization.
inline const QRect kDeckShadeVisualization(79, 5, 38, 5);

bool IsShaded(int window);
// Whether the loaded skin has a strip for the window.
bool CanShade(int window);
void ToggleShade(int window);
void SetShaded(int window, bool shaded);

// The states read from the settings (before the skin is loaded), and the
// states to write back.
void SetSavedStates(bool deck, bool equalizer, bool playList);

// After a skin load: strips drawn afresh, windows rolled up or unrolled as
// their states say.
void ApplyAfterSkinLoad();

// The title bars' double clicks and the shade buttons of the three windows,
// and the strips' own controls; after the windows and docking exist.
void InstallWindowShade();

// What the deck's display timer refreshes in the shaded strips.
void RefreshShadedStrips();

}  // namespace WindowShade
