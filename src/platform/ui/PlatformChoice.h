#pragma once

namespace PlatformUi {

// The skinned windows place themselves at exact screen positions, which a
// native Wayland session does not allow; XWayland does. Under Wayland, and
// unless the user chose a platform, asks Qt for xcb. Call before the
// application object exists.
void PreferXcbUnderWayland();

}  // namespace PlatformUi
