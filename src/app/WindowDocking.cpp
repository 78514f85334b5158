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

}  // namespace

void CheckIfEQFormIsSnappedToOtherForm(const Windows& windows, Docking& docking) {
  Check(*windows.Equalizer, docking.Equalizer, *windows.PlayList, docking.PlayList, *windows.Deck);
}

void CheckIfPLFormIsSnappedToOtherForm(const Windows& windows, Docking& docking) {
  Check(*windows.PlayList, docking.PlayList, *windows.Equalizer, docking.Equalizer, *windows.Deck);
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
