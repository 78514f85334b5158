#include "PlayListScrolling.h"

#include <algorithm>
#include <cstdint>

namespace PlayListScrolling {

int ScrollPageCaret(int totalFiles, int itemHeight, int listHeight, int trackHeight,
                    int buttonHeight, int buttonOffset) {
  listHeight = std::max(1, listHeight);
  const int lastEntry = std::max(0, totalFiles - 1);
  const int travel = std::max(1, trackHeight - buttonHeight);
  const int offset = std::max(0, buttonOffset);
  if (offset >= travel) return lastEntry;
  const int pages = static_cast<int>(int64_t{itemHeight} * totalFiles / listHeight) + 1;
  const int step = trackHeight / pages;
  const int page = step > 0 ? std::min(offset / step, pages - 1)
                            : static_cast<int>(int64_t{offset} * (pages - 1) / travel);
  if (page == 0) return 0;
  if (page == pages - 1) return lastEntry;
  return std::clamp(static_cast<int>(int64_t{page + 1} * listHeight / itemHeight) - 1, 0, lastEntry);
}

int ButtonOffsetForTop(int topIndex, int totalFiles, int rowsInView, int trackHeight,
                       int buttonHeight) {
  const int hiddenRows = totalFiles - rowsInView;
  const int travel = std::max(0, trackHeight - buttonHeight);
  if (hiddenRows <= 0) return 0;
  return static_cast<int>(int64_t{std::clamp(topIndex, 0, hiddenRows)} * travel / hiddenRows);
}

}  // namespace PlayListScrolling
