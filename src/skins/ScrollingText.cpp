#include "ScrollingText.h"

#include "skins/BitmapText.h"

namespace GeneralFunctions {

namespace {

void StepRunning(ScrollingTextRecord& r, int w) {
  const QString blanks(w, u' ');
  if (r.Step == 0) {
    r.ShownText = blanks + r.Text;
    r.Step = 1;
  }
  if (r.Text.size() + w < r.Step) {
    r.ShownText = blanks + r.Text;
    r.Step = 0;
  }
  if (!r.ShownText.isEmpty()) r.ShownText.remove(0, 1);
}

void StepBouncing(ScrollingTextRecord& r, int w) {
  const int len = static_cast<int>(r.Text.size());
  if (r.Step == 0) {
    r.ShownText = r.Text;
    r.Step = 1;
  }
  if (len == w) {
    r.ShownText = r.Text;
  } else if (len > w) {
    if (len - w < r.Step) {
      // Bring back the last character that was shifted out.
      const int position = len - static_cast<int>(r.ShownText.size());
      if (position >= 1) r.ShownText.prepend(r.Text[position - 1]);
      if (r.ShownText.size() > len - 1) r.Step = 0;
    } else if (!r.ShownText.isEmpty()) {
      r.ShownText.remove(0, 1);
    }
  } else {
    if (w - len < r.Step) {
      r.ShownText.prepend(u' ');
      if (r.ShownText.size() > w - 1) r.Step = 0;
    } else if (r.ShownText.size() > len) {
      r.ShownText.remove(0, 1);
    } else {
      r.Step = w - len + 1;
    }
  }
}

}  // namespace

void StepScrollingText(ScrollingTextRecord& record, int x, int y,
                       const ScrollWindowSettings& window, PlatformUi::PaintBox& box,
                       const PlatformUi::ImageList& font) {
  const int w = window.WidthInChars;
  if (window.ScrollMode == 0) {
    StepRunning(record, w);
  } else {
    StepBouncing(record, w);
  }
  DrawBitmapText(record.ShownText, w, x, y, font, box);
  ++record.Step;
}

}  // namespace GeneralFunctions
