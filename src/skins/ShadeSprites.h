#pragma once
// The windowshade sprites of a Winamp skin and of the player's own format.
struct DeckSkinControls;
struct EqualizerSkinControls;
struct PlayListSkinControls;

namespace SkinUnit {

class SkinFileSource;

// The unroll button's sprite in the deck's title bar buttons: it follows the
// title bar's eight.
constexpr int kUnrollButtonSprite = 8;

// From "titlebar.bmp" (the deck's strip, its small position bar and the
// unroll button), "eq_ex.bmp" (the equalizer's strip and its small knobs)
// and "pledit.bmp" (the playlist's strip); what the skin lacks comes from
// the base skin, silently.
void CutWinampShadeSprites(const SkinFileSource& files, DeckSkinControls& deck,
                           EqualizerSkinControls& eq, PlayListSkinControls& pl);

// The deck's strip of a skin of the player's own format: "DeckShade.bmp" in
// the skin's own folder, the active strip at the top and the inactive one 15
// pixels below. Without it the lists stay empty and the deck does not roll up.
void CutNativeShadeSprites(const SkinFileSource& files, DeckSkinControls& deck,
                           EqualizerSkinControls& eq, PlayListSkinControls& pl);

}  // namespace SkinUnit
