#pragma once
// Where the windows go when one of them rolls up into its windowshade strip
// or unrolls: the windows hanging below it, directly or through each other,
// move up or down with its bottom edge.
#include <QRect>

#include <array>
#include <vector>

namespace WindowShade {

// The deck, the equalizer and the playlist editor.
enum WindowIndex : int { wiDeck = 0, wiEqualizer = 1, wiPlayList = 2 };
constexpr int kWindowCount = 3;

struct WindowPlace {
  QRect rect;
  bool shown;
};
using WindowPlaces = std::array<WindowPlace, kWindowCount>;

// The shown windows whose top edge lies on `bottom`, the bottom edge of the
// window `rolled`, overlapping it across, and then those lying the same way
// under each window found, in the order found.
std::vector<int> WindowsBelow(const WindowPlaces& places, int rolled, int bottom);

}  // namespace WindowShade
