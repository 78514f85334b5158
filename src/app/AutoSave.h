#pragma once
// The settings file and the automatic playlist are written again a moment
// after they change, not only at exit, so a crash or a power cut loses at
// most the last second or two of changes.

// Starts watching once start-up is done; it stops with the deck.
void InstallAutoSave();
