#pragma once
// The deck's context menu (right button) and the player's keyboard
// shortcuts, which work in each of the three skinned windows.

void InstallDeckMenuAndShortcuts();
