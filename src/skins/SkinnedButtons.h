#pragma once
// Wiring shared by the skinned windows' buttons: press buttons show their
// pressed sprite while held and act on a click; four-state toggles follow
// the DeckToggle state machine and act on a click.
#include <QObject>
#include <functional>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"

namespace SkinnedButtons {

// A window's handler as a button's action; none for a null handler.
template <typename Window>
std::function<void()> Handler(Window* window, void (Window::*handler)()) {
  if (!handler) return {};
  return [window, handler] { (window->*handler)(); };
}

// Sprite releasedSprite + 1 while pressed; `click` may be empty.
void ConnectPressButton(QObject* receiver, PlatformUi::ImageControl* button,
                        const PlatformUi::ImageList& sprites, int releasedSprite,
                        std::function<void()> click);

// `state` holds the sprite index: the toggle state plus `offset`.
void ConnectToggleButton(QObject* receiver, PlatformUi::ImageControl* button,
                         const PlatformUi::ImageList& sprites, int& state, int offset,
                         std::function<void()> click);

}  // namespace SkinnedButtons
