#pragma once

#include "media/PlayState.h"

#include <vlc/vlc.h>

namespace lumo {

// The one translation from libVLC's player states to the program's play states. Ended and
// Error both become Ready: the program tells "ended after playing" from "failed to open" by
// whether it ever saw the stream playing.
PlayState playStateFor(libvlc_state_t state);

} // namespace lumo
