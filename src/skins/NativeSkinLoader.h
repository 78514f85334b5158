#pragma once
// Loads a skin of the player's own format into the three windows' controls.
#include <QImage>
#include <QRect>
#include <QSize>
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

// Places the pre-amplifier bar at preAmpLeft and the ten band bars 18 px
// apart from bandsLeft, their knobs one pixel in at top 64, and sets the
// sliders' records and sprite sizes.
void LayOutEqualizerSliders(EqualizerSkinControls& eq, int preAmpLeft, int bandsLeft, int top, QSize bar);

// Shows every equalizer control's start sprite; band n (1..10) shows bar
// sprite n x bandSpriteStep.
void ShowEqualizerStartSprites(EqualizerSkinControls& eq, int closeSprite, int bandSpriteStep);

// The sizes in which the two skin formats' playlist parts differ.
struct PlayListPartSizes {
  int closeButtonOffset;  // from the left of the title bar's right end
  int menuPanelWidth;
  int menuButtonWidth;
  int menuButtonHeight;
  int menuHeight;
  int tallMenuHeight;  // the second menu has four buttons
  int toggleLefts[5];
  QRect textWindow;
};

// Places and sizes the playlist's title-bar buttons, scroll parts, menus and
// text window, and sets the image lists' sprite sizes.
void LayOutPlayListParts(PlayListSkinControls& pl, const PlayListPartSizes& sizes);

// Cuts the playlist frame (title bar, edges, scroll button, bottom parts) from
// a playlist bitmap and shows the title bar and scroll button; both skin
// formats lay these parts out alike.
void CutPlayListFrame(const QImage& bitmap, PlayListSkinControls& pl);

}  // namespace SkinUnit
