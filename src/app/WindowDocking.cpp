#include "WindowDocking.h"

#include "skins/WindowSnap.h"

namespace WindowDocking {

namespace {

using GeneralFunctions::snapNone;
using GeneralFunctions::SnapWindow;

void Free(DockRecord& record) {
  record.DockedTo = diFree;
  record.DockSide = kNotDocked;
}

// The check of `self` (window `own`) against `other` (window `otherWindow`)
// and the deck.
void Check(QWidget& own, DockRecord& self, const QWidget& otherWindow, DockRecord& other,
           const QWidget& deck) {
  if (!own.isVisible()) {
    Free(self);
    return;
  }
  self.DockedTo = diFree;
  const int toOther = SnapWindow(otherWindow, own, other.DockID, self.DockedTo);
  if (toOther == snapNone && other.DockedTo == self.DockID) Free(other);
  const int toDeck = SnapWindow(deck, own, diDeck, self.DockedTo);
  self.DockSide = static_cast<uint8_t>(toDeck != snapNone ? toDeck : toOther);
}

bool DockedTo(const DockRecord& record, uint8_t id) {
  return record.DockSide != kNotDocked && record.DockedTo == id;
}

// Whether `window` lies on `side` of `anchor`, edge on edge, as a snap leaves
// it. A window moved since by other means than a drag keeps its record until
// the next check, and is not to be pulled back by it.
bool LiesOn(const QRect& window, const QRect& anchor, uint8_t side) {
  switch (side) {
    case GeneralFunctions::snapAbove: return window.top() + window.height() == anchor.top();
    case GeneralFunctions::snapBelow: return window.top() == anchor.top() + anchor.height();
    case GeneralFunctions::snapLeft: return window.left() + window.width() == anchor.left();
    case GeneralFunctions::snapRight: return window.left() == anchor.left() + anchor.width();
    default: return false;
  }
}

// `window` on `side` of `anchor`, as far along that side from the anchor's
// corner as `windowBefore` was from `anchorBefore`'s.
QRect PlacedAgainst(QRect window, const QRect& windowBefore, const QRect& anchor,
                    const QRect& anchorBefore, uint8_t side) {
  const QPoint offset = windowBefore.topLeft() - anchorBefore.topLeft();
  switch (side) {
    case GeneralFunctions::snapAbove: window.moveTo(anchor.left() + offset.x(), anchor.top() - window.height()); break;
    case GeneralFunctions::snapBelow: window.moveTo(anchor.left() + offset.x(), anchor.top() + anchor.height()); break;
    case GeneralFunctions::snapLeft: window.moveTo(anchor.left() - window.width(), anchor.top() + offset.y()); break;
    case GeneralFunctions::snapRight: window.moveTo(anchor.left() + anchor.width(), anchor.top() + offset.y()); break;
    default: break;
  }
  return window;
}

}  // namespace

void CheckIfEQFormIsSnappedToOtherForm(const Windows& windows, Docking& docking) {
  Check(*windows.Equalizer, docking.Equalizer, *windows.PlayList, docking.PlayList, *windows.Deck);
}

void CheckIfPLFormIsSnappedToOtherForm(const Windows& windows, Docking& docking) {
  Check(*windows.PlayList, docking.PlayList, *windows.Equalizer, docking.Equalizer, *windows.Deck);
}

Layout LayoutOf(const Windows& windows) {
  return {windows.Deck->geometry(), windows.Equalizer->geometry(), windows.PlayList->geometry()};
}

void MoveWindows(const Windows& windows, const Layout& layout) {
  windows.Deck->move(layout.Deck.topLeft());
  windows.Equalizer->move(layout.Equalizer.topLeft());
  windows.PlayList->move(layout.PlayList.topLeft());
}

Layout KeepDocked(const Layout& before, const Layout& after, const Docking& docking) {
  Layout placed = after;
  const auto place = [&](const DockRecord& record) {
    if (!LiesOn(before.Of(record.DockID), before.Of(record.DockedTo), record.DockSide)) return;
    placed.Of(record.DockID) = PlacedAgainst(after.Of(record.DockID), before.Of(record.DockID),
                                             placed.Of(record.DockedTo), before.Of(record.DockedTo),
                                             record.DockSide);
  };
  // Anchors first: the windows docked to the deck, then a window docked to
  // one of them. Of two windows docked only to each other the equalizer
  // stays and the playlist editor follows it.
  const DockRecord& equalizer = docking.Equalizer;
  const DockRecord& playList = docking.PlayList;
  if (DockedTo(equalizer, diDeck)) place(equalizer);
  if (DockedTo(playList, diDeck)) place(playList);
  if (DockedTo(playList, diEqualizer)) place(playList);
  if (DockedTo(equalizer, diPlayList) && !DockedTo(playList, diEqualizer)) place(equalizer);
  return placed;
}

void DragDeck(const Windows& windows, const Docking& docking, QPoint press, QPoint mouse) {
  GeneralFunctions::MoveWindowByDrag(*windows.Deck, press.x(), press.y(), mouse.x(), mouse.y());
  const QPoint by = mouse - press;
  const auto carry = [by](QWidget* window) { window->move(window->pos() + by); };
  if (DockedTo(docking.Equalizer, diDeck)) {
    carry(windows.Equalizer);
    if (DockedTo(docking.PlayList, diEqualizer)) carry(windows.PlayList);
  }
  if (DockedTo(docking.PlayList, diDeck)) {
    carry(windows.PlayList);
    if (DockedTo(docking.Equalizer, diPlayList)) carry(windows.Equalizer);
  }
}

}  // namespace WindowDocking
