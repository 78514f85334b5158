#include "SkinnedButtons.h"

#include "skins/SpriteFunctions.h"
#include "skins/ToggleButtonStates.h"

namespace SkinnedButtons {

using PlatformUi::ImageControl;
using PlatformUi::ImageList;

void ConnectPressButton(QObject* receiver, ImageControl* button, const ImageList& sprites,
                        int releasedSprite, std::function<void()> click) {
  QObject::connect(button, &ImageControl::MouseDown, receiver, [button, &sprites, releasedSprite] {
    GeneralFunctions::ShowSprite(*button, sprites, releasedSprite + 1);
  });
  QObject::connect(button, &ImageControl::MouseUp, receiver, [button, &sprites, releasedSprite] {
    GeneralFunctions::ShowSprite(*button, sprites, releasedSprite);
  });
  if (click) QObject::connect(button, &ImageControl::Click, receiver, std::move(click));
}

void ConnectToggleButton(QObject* receiver, ImageControl* button, const ImageList& sprites,
                         int& state, int offset, std::function<void()> click) {
  auto show = [button, &sprites, &state] { GeneralFunctions::ShowSprite(*button, sprites, state); };
  QObject::connect(button, &ImageControl::MouseDown, receiver, [&state, offset, show] {
    state = DeckToggle::AfterMouseDown(state - offset) + offset;
    show();
  });
  QObject::connect(button, &ImageControl::MouseMove, receiver,
                   [button, &state, offset, show](int x, int y, bool leftHeld) {
                     if (!leftHeld) return;
                     const bool inside =
                         DeckToggle::IsInside(x, y, button->width(), button->height());
                     state = DeckToggle::AfterMouseMove(state - offset, inside) + offset;
                     show();
                   });
  QObject::connect(
      button, &ImageControl::MouseUp, receiver, [button, &state, offset, show](int x, int y) {
        const bool inside = DeckToggle::IsInside(x, y, button->width(), button->height());
        state = DeckToggle::AfterMouseUp(state - offset, inside) + offset;
        show();
      });
  QObject::connect(button, &ImageControl::Click, receiver, std::move(click));
}

}  // namespace SkinnedButtons
