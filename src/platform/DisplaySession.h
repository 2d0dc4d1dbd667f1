#pragma once

namespace lumo {

// The program runs on Wayland itself (a session without an X server). There a window cannot
// place itself, cannot tell that it was minimised, and has no native window libVLC can draw
// into; under X11 and XWayland it can.
bool onNativeWayland();

} // namespace lumo
