#include "ShadeSprites.h"

#include "skins/DeckSkinControls.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/PlayListSkinControls.h"
#include "skins/SkinLoading.h"

namespace SkinUnit {

namespace {

void ClearShadeSprites(DeckSkinControls& deck, EqualizerSkinControls& eq, PlayListSkinControls& pl,
                       int deckWidth) {
  deck.ShadeImageList.SetSize(deckWidth, kShadeHeight);
  deck.ShadePosBarImageList.SetSize(17, 7);
  deck.ShadePosThumbImageList.SetSize(3, 7);
  eq.EQShadeImageList.SetSize(275, kShadeHeight);
  eq.EQShadeKnobImageList.SetSize(3, 7);
  pl.PLShadeImageList.SetSize(50, kShadeHeight);
}

}  // namespace

void CutWinampShadeSprites(const SkinFileSource& files, DeckSkinControls& deck,
                           EqualizerSkinControls& eq, PlayListSkinControls& pl) {
  ClearShadeSprites(deck, eq, pl, 275);
  if (auto bmp = files.OptionalBitmap(QStringLiteral("titlebar.bmp"))) {
    CutSprites(*bmp, deck.ShadeImageList, {{27, 29, 275, 14}, {27, 42, 275, 14}});
    CutSprites(*bmp, deck.ShadePosBarImageList, {{0, 36, 17, 7}});
    CutStrip(*bmp, deck.ShadePosThumbImageList, 3, 20, 36, 3, 0, 3, 7);
    // The unroll button (up, down) follows the title bar's eight buttons.
    if (deck.TitleBarButtonsImageList.Count() == kUnrollButtonSprite)
      CutSprites(*bmp, deck.TitleBarButtonsImageList, {{0, 27, 9, 9}, {9, 27, 9, 9}});
  }
  if (auto bmp = files.OptionalBitmap(QStringLiteral("eq_ex.bmp"))) {
    CutSprites(*bmp, eq.EQShadeImageList, {{0, 0, 275, 14}, {0, 15, 275, 14}});
    CutStrip(*bmp, eq.EQShadeKnobImageList, 3, 1, 30, 3, 0, 3, 7);
    CutStrip(*bmp, eq.EQShadeKnobImageList, 3, 11, 30, 3, 0, 3, 7);
  }
  if (auto bmp = files.OptionalBitmap(QStringLiteral("pledit.bmp"))) {
    CutSprites(*bmp, pl.PLShadeImageList,
               {{72, 42, 25, 14}, {72, 57, 25, 14}, {99, 42, 50, 14}, {99, 57, 50, 14}});
  }
}

void CutNativeShadeSprites(const SkinFileSource& files, DeckSkinControls& deck,
                           EqualizerSkinControls& eq, PlayListSkinControls& pl) {
  ClearShadeSprites(deck, eq, pl, deck.MainImage->width());
  if (auto bmp = files.OwnBitmap(QStringLiteral("DeckShade.bmp"))) {
    const int width = deck.ShadeImageList.Width();
    CutSprites(*bmp, deck.ShadeImageList, {{0, 0, width, kShadeHeight}, {0, 15, width, kShadeHeight}});
  }
}

}  // namespace SkinUnit
