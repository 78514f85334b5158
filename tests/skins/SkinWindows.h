#pragma once
// The three windows' skinned controls on their own, with the playlist's
// controls placed in a Panel1, for loading skins into in tests.
#include <QWidget>

#include "skins/DeckSkinControls.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/PlayListSkinControls.h"

namespace SkinTests {

struct SkinWindows {
  SkinWindows() {
    pl.PlaceInPanel(&panel1);
    panel1.resize(300, 225);
  }

  QWidget deckWindow, eqWindow, plWindow;
  DeckSkinControls deck{&deckWindow};
  EqualizerSkinControls eq{&eqWindow};
  PlayListSkinControls pl{&plWindow};
  QWidget panel1{&plWindow};
};

}  // namespace SkinTests
