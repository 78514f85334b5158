#pragma once
// One step of a scrolling text line, run once per display tick.
#include <QString>

#include <cstdint>

#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"

namespace GeneralFunctions {

struct ScrollingTextRecord {
  QString Text;       // the full text
  QString ShownText;  // the text as shifted; its first characters are shown
  int32_t Step = 0;   // position in the scroll cycle; 0 restarts it
  uint8_t Enabled = 0;
};

struct ScrollWindowSettings {
  int32_t WidthInChars = 0;
  uint8_t ScrollMode = 0;  // 0 running text, 1 bouncing text
};

// Shifts the shown text one step (running: enters at the right, leaves at the
// left; bouncing: moves to one end and back), draws WidthInChars cells at x, y
// and advances the step.
void StepScrollingText(ScrollingTextRecord& record, int x, int y,
                       const ScrollWindowSettings& window, PlatformUi::PaintBox& box,
                       const PlatformUi::ImageList& font);

}  // namespace GeneralFunctions
