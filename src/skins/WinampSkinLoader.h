#pragma once
// Loads a Winamp 2 skin into the three windows' controls.
#include <QString>

struct DeckSkinControls;
struct EqualizerSkinControls;
struct PlayListSkinControls;

namespace SkinUnit {

// The base skin in the Winamp layout that ships with the player; a Winamp
// skin that lacks a file, or holds an unreadable one, takes it from here.
QString WinampBaseSkinPath();

// Every file comes from `folder`, else under the same name from the base
// skin; files missing from both are reported together at the end and leave
// their controls as they were.
void LoadWinampSkin(const QString& folder, DeckSkinControls& deck, EqualizerSkinControls& eq,
                    PlayListSkinControls& pl);

}  // namespace SkinUnit
