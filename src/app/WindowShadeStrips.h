#pragma once
// What the three windowshade strips show and what their controls do: the
// deck's transport buttons, time, small position bar and visualization; the
// equalizer's volume and balance; the playlist's current title and time.
namespace WindowShade {

// Names the strip's controls for the loaded skin and draws it whole.
void PrepareShadeStrip(int window);
// Redraws the parts that change while a song plays.
void RefreshShadeStrip(int window);

}  // namespace WindowShade
