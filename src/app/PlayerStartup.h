#pragma once
// Start-up of the player once every window exists, and the program-wide hooks.

// False when start-up cannot go on (the default skin is missing; the user
// has been told): the caller then ends the program.
bool InitializePlayer();
void InitializeDeckVariables();
// A program folder that cannot be written would lose every change at exit:
// the user is told once, in a box naming it, and the XDG folders serve for
// this run.
void TellOfUnwritableProgramFolder();
// The ten built-in presets and the user presets file, into the presets dialog.
void LoadEqualizerPresets();
void HideAllDebuggingControls();
// The deck's main-menu button opens the preferences dialog, whose options
// change the deck's settings at once.
void InstallPreferencesDialog();

// 1 puts the player's windows on top of others, 0 makes them normal; any
// other value is ignored.
void SetFormsStayOnTop(int onTop);

// Run whenever the player loses focus: re-establishes the stay-on-top state.
void AppDeactivate();

// Brings the player's shown windows back from the taskbar and to the front,
// the deck active (a second start without songs, the sound menu's Raise).
void RaisePlayerWindows();
