#pragma once
// The state machine of the deck's four-state toggle buttons (Repeat, Shuffle,
// Equalizer, Playlist). States: 0 off, 1 off and pressed, 2 on, 3 on and
// pressed. Only a release over the button switches it, so the drawn state and
// the mode always agree.
namespace DeckToggle {

// The state a button is drawn in from its mode.
int FromModel(bool on);
int AfterMouseDown(int state);
// A move with the left button held: leaving the button shows the released
// state, coming back shows the pressed one again.
int AfterMouseMove(int state, bool inside);
// The release: over the button the pressed state flips to the other mode;
// outside it the button returns to its released state unchanged.
int AfterMouseUp(int state, bool inside);

// Inside the control's rectangle, edges included.
bool IsInside(int x, int y, int width, int height);

}  // namespace DeckToggle
