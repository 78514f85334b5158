#pragma once
// Connects the three player windows to the docking rules: the deck's title
// bar drags the deck and what is docked to it, and the equalizer's and the
// playlist editor's checks run from their own drags, show and hide.
#include "app/WindowDocking.h"

namespace WindowDocking {

// After the windows exist; the records start free.
void InstallWindowDocking();
// The start-up checks: the equalizer's, then the playlist editor's.
void CheckAllWindows();
Docking& CurrentDocking();

// The places of the three player windows now, and moving them.
Layout CurrentLayout();
void MovePlayerWindows(const Layout& layout);
// After windows have changed size (a new skin, say): puts the docked windows
// back against the windows they are docked to, from where all stood in
// `before`, and runs the checks again.
void KeepWindowsDocked(const Layout& before);

}  // namespace WindowDocking
