#pragma once
// The three player windows keep their stacking order together: activating
// one brings the other shown ones up with it, so no window of the player is
// left behind another program's window.
void InstallRaiseTogether();
