#pragma once

#include <future>
#include <memory>
#include <string>
#include <vector>
#include <vlc/vlc.h>

namespace lumo {

struct VlcInstanceDeleter {
    void operator()(libvlc_instance_t* p) const { libvlc_release(p); }
};
struct VlcPlayerDeleter {
    void operator()(libvlc_media_player_t* p) const { libvlc_media_player_release(p); }
};

// libVLC's instance and the one media player on it (with its audio output).
struct VlcCore {
    std::unique_ptr<libvlc_instance_t, VlcInstanceDeleter> instance;
    std::unique_ptr<libvlc_media_player_t, VlcPlayerDeleter> player;
};

// Makes them with the program's arguments and `extra` after them; either may be null when
// libVLC cannot start.
VlcCore makeVlcCore(const std::vector<std::string>& extra);

// The same on a thread of its own: reading libVLC's plug-in cache and opening the audio output
// take about as long as building the player window, so the program starts them first and the
// two are done side by side. take() hands them over once, when the player is built.
class VlcCoreStart {
public:
    explicit VlcCoreStart(std::vector<std::string> extra = {});
    // Waits for the thread only if it has not finished yet (in a normal start-up it has).
    VlcCore take();

private:
    std::future<VlcCore> m_made;
};

} // namespace lumo
