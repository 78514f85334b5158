#pragma once
// Start-up of the player once every window exists, and the program-wide hooks.

// False when start-up cannot go on (the default skin is missing; the user
// has been told): the caller then ends the program.
bool InitializePlayer();
void InitializeDeckVariables();
void HideAllDebuggingControls();

// 1 puts the player's windows on top of others, 0 makes them normal; any
// other value is ignored.
void SetFormsStayOnTop(int onTop);

// Run whenever the player loses focus: re-establishes the stay-on-top state.
void AppDeactivate();

// Brings the player's shown windows back from the taskbar and to the front,
// the deck active (a second start without songs, the sound menu's Raise).
void RaisePlayerWindows();
