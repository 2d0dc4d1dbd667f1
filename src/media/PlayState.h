#pragma once

namespace lumo {

// The player's state as the program reads it.
enum class PlayState : int {
    Undefined = 0,
    Stopped = 1,
    Paused = 2,
    Playing = 3,
    Buffering = 6,     // not acted on by the program
    Transitioning = 9, // opening; not acted on by the program
    Ready = 10,        // idle: the address failed to open, or it ended
};

} // namespace lumo
