#include "media/VlcStateMap.h"

#include "media/MediaPlayer.h"

namespace lumo {

PlayState playStateFor(libvlc_state_t state) {
    switch (state) {
    case libvlc_NothingSpecial:
        return PlayState::Undefined;
    case libvlc_Opening:
        return PlayState::Transitioning;
    case libvlc_Buffering:
        return PlayState::Buffering;
    case libvlc_Playing:
        return PlayState::Playing;
    case libvlc_Paused:
        return PlayState::Paused;
    case libvlc_Stopped:
        return PlayState::Stopped;
    case libvlc_Ended:
    case libvlc_Error:
        return PlayState::Ready;
    }
    return PlayState::Undefined;
}

} // namespace lumo
