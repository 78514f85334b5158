#include "ToggleButtonStates.h"

namespace DeckToggle {

int FromModel(bool on) { return on ? 2 : 0; }

int AfterMouseDown(int state) {
  if (state == 0) return 1;
  if (state == 2) return 3;
  return state;
}

int AfterMouseMove(int state, bool inside) {
  if (inside) return AfterMouseDown(state);
  if (state == 1) return 0;
  if (state == 3) return 2;
  return state;
}

int AfterMouseUp(int state, bool inside) {
  // A release outside without a move there first still counts as leaving.
  if (!inside) state = AfterMouseMove(state, false);
  if (state == 1) return 2;
  if (state == 3) return 0;
  return state;
}

bool IsInside(int x, int y, int width, int height) {
  return x >= 0 && x <= width && y >= 0 && y <= height;
}

}  // namespace DeckToggle
