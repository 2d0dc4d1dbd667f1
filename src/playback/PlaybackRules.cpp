#include "playback/PlaybackRules.h"

#include "state/ProgramState.h"

#include <limits>

namespace lumo::playback {

StatusLine statusLineOnTick(bool noteDue, bool clip, StatusCycle& cycle) {
    if (cycle.statusTickCount < std::numeric_limits<std::int16_t>::max()) {
        ++cycle.statusTickCount;
    }
    if (noteDue) {
        return StatusLine::Note;
    }
    if (!clip) {
        return StatusLine::Status;
    }
    if (cycle.programTimeShown == 1) {
        cycle.programTimeShown = 0;
        return StatusLine::ProgramTime;
    }
    if (cycle.statusTickCount > 10 && cycle.statusTickCount < 20) {
        return StatusLine::Status;
    }
    if (cycle.statusTickCount >= 20) {
        cycle.programTimeShown = 1;
        cycle.statusTickCount = 0;
        return StatusLine::ProgramTime;
    }
    return StatusLine::Unchanged;
}

AtReady atReady(std::int16_t streamReached, std::int16_t reconnectState, bool clip) {
    if (streamReached == kStreamReached) {
        return clip ? AtReady::Complete : AtReady::BringBack;
    }
    return reconnectState == kReconnectAllowed ? AtReady::TryOnceMore : AtReady::FailedToConnect;
}

} // namespace lumo::playback
