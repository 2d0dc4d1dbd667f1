#include "media/VlcInstance.h"

#include "media/VlcMediaPlayer.h"
#include "net/UserAgent.h"

namespace lumo {

VlcCore makeVlcCore(const std::vector<std::string>& extra) {
    // Statistics stay on: they tell whether a stream's data still arrives.
    const std::string readAhead =
        "--prefetch-buffer-size=" + std::to_string(VlcMediaPlayer::kNetworkReadAheadKiB);
    const std::string readSize =
        "--prefetch-read-size=" + std::to_string(VlcMediaPlayer::kNetworkReadBytes);
    std::vector<const char*> argv{"--no-video-title-show", "--no-snapshot-preview", "--quiet",
                                  readAhead.c_str(), readSize.c_str()};
    for (const auto& arg : extra) {
        argv.push_back(arg.c_str());
    }
    VlcCore core;
    core.instance.reset(libvlc_new(static_cast<int>(argv.size()), argv.data()));
    if (core.instance) {
        libvlc_set_user_agent(core.instance.get(), kProductName, kUserAgent);
        core.player.reset(libvlc_media_player_new(core.instance.get()));
    }
    return core;
}

VlcCoreStart::VlcCoreStart(std::vector<std::string> extra)
    : m_made(std::async(std::launch::async,
                        [extra = std::move(extra)] { return makeVlcCore(extra); })) {}

VlcCore VlcCoreStart::take() {
    return m_made.valid() ? m_made.get() : VlcCore{};
}

} // namespace lumo
