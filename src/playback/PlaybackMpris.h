#pragma once

#include "desktop/MprisHost.h"

#include <functional>

namespace lumo {

class Playback;

// The desktop bus's view of the player: playback answers for the transport, the volume and
// what plays; the window for showing itself, the live-feed picture and ending the program.
class PlaybackMpris : public MprisHost {
public:
    struct Window {
        std::function<void()> raise;
        std::function<void()> quit;
        std::function<std::string()> artUrl;
    };
    PlaybackMpris(Playback& playback, Window window);

    PlayState mprisPlayState() const override;
    void mprisPlay() override;
    void mprisPause() override;
    void mprisStop() override;
    int mprisVolume() const override;
    void mprisSetVolume(int level) override;
    std::string mprisNowPlaying() const override;
    std::string mprisStationName() const override;
    std::string mprisArtUrl() const override { return m_window.artUrl(); }
    double mprisLength() const override;
    double mprisPosition() const override;
    bool mprisCanSeek() const override;
    void mprisSeek(double seconds) override;
    void mprisSetPosition(double seconds) override;
    bool mprisOpenUri(const std::string& address) override;
    void mprisRaise() override { m_window.raise(); }
    void mprisQuit() override { m_window.quit(); }

private:
    Playback& m_playback;
    Window m_window;
};

} // namespace lumo
