#include "WindowShadeLayout.h"

#include <algorithm>

namespace WindowShade {

namespace {

bool OverlapAcross(const QRect& a, const QRect& b) {
  return a.left() <= b.right() && b.left() <= a.right();
}

}  // namespace

std::vector<int> WindowsBelow(const WindowPlaces& places, int rolled, int bottom) {
  std::vector<int> found;
  // Each entry: a window and the bottom edge under which others hang.
  std::vector<std::pair<int, int>> edges{{rolled, bottom}};
  for (size_t next = 0; next < edges.size(); ++next) {
    const auto [above, edge] = edges[next];
    for (int window = 0; window < kWindowCount; ++window) {
      const WindowPlace& place = places[size_t(window)];
      const bool known = window == rolled || std::find(found.begin(), found.end(), window) != found.end();
      if (known || !place.shown || place.rect.top() != edge) continue;
      if (!OverlapAcross(place.rect, places[size_t(above)].rect)) continue;
      found.push_back(window);
      edges.emplace_back(window, place.rect.top() + place.rect.height());
    }
  }
  return found;
}

}  // namespace WindowShade
