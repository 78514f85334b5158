#pragma once
// Docking of the equalizer and the playlist editor: each carries a record of
// the window it is docked to and on which side; the checks snap a window to
// the deck or to the other docked window, and a drag of the deck carries the
// windows docked to it, directly or through the other one.
#include <QRect>
#include <QWidget>

#include <cstdint>

namespace WindowDocking {

enum DockId : uint8_t { diDeck = 0, diEqualizer = 1, diPlayList = 2, diFree = 3 };
constexpr uint8_t kNotDocked = 4;  // DockSide of a free window

struct DockRecord {
  uint8_t DockID;
  uint8_t DockedTo = diFree;
  uint8_t DockSide = kNotDocked;
};

struct Windows {
  QWidget* Deck;
  QWidget* Equalizer;
  QWidget* PlayList;
};

struct Docking {
  DockRecord Equalizer{diEqualizer};
  DockRecord PlayList{diPlayList};
};

// The check of one docked window against the other two: it may move the
// window onto an edge in reach, and frees the other window when that one was
// docked to it and no longer touches it.
void CheckIfEQFormIsSnappedToOtherForm(const Windows& windows, Docking& docking);
void CheckIfPLFormIsSnappedToOtherForm(const Windows& windows, Docking& docking);

// The places of the three windows on the screen.
struct Layout {
  QRect Deck;
  QRect Equalizer;
  QRect PlayList;

  // The place of the window with this DockID.
  QRect& Of(uint8_t id) { return id == diDeck ? Deck : id == diEqualizer ? Equalizer : PlayList; }
  const QRect& Of(uint8_t id) const { return id == diDeck ? Deck : id == diEqualizer ? Equalizer : PlayList; }
};
Layout LayoutOf(const Windows& windows);
void MoveWindows(const Windows& windows, const Layout& layout);

// Where the windows go once some of them have changed size or place (a new
// skin, double size): each docked window sits again on its side of the
// window it is docked to, at the offset along that side it had in `before`;
// the deck, the free windows and those that no longer touched their window
// in `before` stay where `after` has them.
Layout KeepDocked(const Layout& before, const Layout& after, const Docking& docking);

// Moves the deck by a title-bar drag from `press` to `mouse` (positions in the
// title bar) and every window docked to it by the same distance.
void DragDeck(const Windows& windows, const Docking& docking, QPoint press, QPoint mouse);

}  // namespace WindowDocking
