#pragma once
// Connects the three player windows to the docking rules: the deck's title
// bar drags the deck and what is docked to it, and the equalizer's and the
// playlist editor's checks run from their own drags, show and hide.
namespace WindowDocking {

struct Docking;

// After the windows exist; the records start free.
void InstallWindowDocking();
// The start-up checks: the equalizer's, then the playlist editor's.
void CheckAllWindows();
Docking& CurrentDocking();

}  // namespace WindowDocking
