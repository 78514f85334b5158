#pragma once
// Choices Qt reads from the environment once, while the application object
// is made: the windowing platform and the scale of every window.

namespace PlatformUi {

// The skinned windows place themselves at exact screen positions, which a
// native Wayland session does not allow; XWayland does. Under Wayland, and
// unless the user chose a platform, asks Qt for xcb. Call before the
// application object exists, then RestoreEnvironment once it does.
void PreferXcbUnderWayland();

// Double size: every window drawn at twice its size, each skin pixel a
// square of device pixels (Qt scales images without smoothing), while window
// positions, sizes and mouse positions stay in skin pixels. Multiplies the
// user's own QT_SCALE_FACTOR, if any. Call before the application object
// exists, then RestoreEnvironment once it does.
void ScaleWindowsBeforeQt(bool doubled);

// Qt's X11 windows hand their pixels to the server through shared memory,
// and before painting over pixels whose hand-over may still be under way Qt
// waits for a round trip to the server: two wake-ups of the player for each
// small repaint (the scrolling text, a frame of the effects). The player's
// windows are small, so sending the changed pixels over the connection costs
// less. Unless the user chose either way. Call before the application object
// exists, then RestoreEnvironment once it does.
void SendPixelsOverTheConnection();

// Puts back the variables the choices above changed, so that programs
// the player starts (a browser, say) get the user's own platform and scale.
void RestoreEnvironment();

}  // namespace PlatformUi
