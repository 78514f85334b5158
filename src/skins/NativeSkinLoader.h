#pragma once
// Loads a skin of the player's own format into the three windows' controls.
#include <QImage>
#include <QString>

struct DeckSkinControls;
struct EqualizerSkinControls;
struct PlayListSkinControls;

namespace SkinUnit {

// Every file comes from `folder`, else under the same name from the default
// skin folder; files missing from both are reported together at the end and
// leave their controls as they were.
void LoadNativeSkin(const QString& folder, DeckSkinControls& deck, EqualizerSkinControls& eq,
                    PlayListSkinControls& pl);

// Shows (native skin) or hides (Winamp skin) the controls only the player's
// own format has room for.
void ShowNativeOnlyControls(DeckSkinControls& deck, EqualizerSkinControls& eq,
                            PlayListSkinControls& pl, bool visible);

// Cuts the playlist frame (title bar, edges, scroll button, bottom parts) from
// a playlist bitmap; both skin formats lay these parts out alike.
void CutPlayListFrame(const QImage& bitmap, PlayListSkinControls& pl);

}  // namespace SkinUnit
