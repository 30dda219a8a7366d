#pragma once

namespace bench {

// Ticks tembrel's "Start Playing as soon as stream comes on-air" box with a
// click on the screen, as a user does (xdotool, on the display in DISPLAY).
// False when the window is not found within 30 s.
bool TickStartPlayingBox();

}  // namespace bench
