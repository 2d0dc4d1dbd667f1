#pragma once

#include "media/PlayState.h"

#include <cstdint>

// The playback decisions, as plain functions of the state they read: what the status line
// shows on a tick, what the end of a stream means, whether a stream is a clip.
namespace lumo::playback {

// A stream that gives a programme length is a clip, whether or not it can be sought.
constexpr bool isClip(double duration) {
    return duration != 0;
}

// What the status line shows on this tick.
enum class StatusLine {
    Unchanged,   // what it shows stays
    Note,        // a note of the player's own ("Recording stopped"), for a few ticks
    Status,      // the player's status: what the station says is playing, or its state
    ProgramTime, // a clip's length: "Program Time - 3:12 minutes"
};

// The count of status ticks by which a clip's line changes between its status and its length:
// the status from the 11th to the 19th tick, the length on the 20th, which starts the count
// again, and the status once more on the tick after it.
struct StatusCycle {
    std::int16_t statusTickCount = 11;
    std::int16_t programTimeShown = 0; // 1 while the length is shown
};

// One tick: counts it in `cycle` and says what the line shows. `noteDue` is true while a note
// still has ticks to run.
StatusLine statusLineOnTick(bool noteDue, bool clip, StatusCycle& cycle);

// What the player standing idle (Ready) after an address was given means.
enum class AtReady {
    BringBack,       // a live stream that had played dropped: bring it back
    FailedToConnect, // it never played, or a live stream cannot be brought back
    Complete,        // a clip that had played has finished
    TryOnceMore,     // a station loaded from the chooser failed: one more try, a second later
};

AtReady atReady(std::int16_t streamReached, std::int16_t reconnectState, bool clip);

// The player reported stopped, paused or playing: the address was reached.
constexpr bool reachesStream(PlayState state) {
    return state == PlayState::Stopped || state == PlayState::Paused || state == PlayState::Playing;
}

// The volume knob's steps: ten steps of 10 between silence and 100.
inline constexpr int kVolumeStep = 10;
inline constexpr int kLoudest = 100;

// Where the knob's top stands for a volume, in twips: 2280 at 100, 3280 at silence.
constexpr int knobTopTwips(int level) {
    return 2280 + (kLoudest - level) * 10;
}

} // namespace lumo::playback
