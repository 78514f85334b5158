#pragma once
// Double size: Qt scales every window as the application object is made, so
// switching it restarts the player, which comes back with the same song at
// the same second in the same state, and its windows where they were on the
// screen.

// The setting as saved, read before the application object exists (a
// QCoreApplication must, for the program's folders).
bool SavedDoubleSize();

// Flips the setting, saves the windows' places for the new scale and closes
// the player for the restart.
void ToggleDoubleSize();

// At the very end of the program: starts it afresh when a switch asked for
// it. Returns only when there is nothing to do or the start failed.
void RestartForDoubleSizeIfAsked();

// After start-up: plays the song that played before the restart, from where
// it was; nothing when this start is not such a restart.
void ResumeAfterDoubleSizeRestart();
