#pragma once

#include "media/PlayState.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lumo {

class StreamTap;

// The hosted media player: exactly the members the program uses.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Setting an address starts opening and playing it at once; an empty address stops and
    // clears the player.
    virtual void setURL(const std::string& address) = 0;
    virtual std::string URL() const = 0;

    // controls
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void pause() = 0;

    // settings: volume 0..100 and mute
    virtual void setVolume(int volume) = 0;
    virtual int volume() const = 0;
    virtual void setMute(bool mute) = 0;
    virtual bool mute() const = 0;

    virtual PlayState playState() const = 0;

    // currentMedia: length in seconds, 0 for a live stream or when nothing is open, and the
    // same length as display text.
    virtual double duration() const = 0;
    virtual std::string durationString() const = 0;
    // How far into the media the player is, in seconds.
    virtual double position() const { return 0.0; }

    // One short line of what the player is doing.
    virtual std::string status() const = 0;
    // What the station says is playing (its stream title), or nothing.
    virtual std::string nowPlaying() const { return {}; }

    virtual bool fullScreen() const = 0;
    virtual void setFullScreen(bool on) = 0;
    virtual void setStretchToFit(bool on) = 0;
    virtual bool stretchToFit() const = 0;

    // The live stream being played when the program reads it itself (what is heard can be
    // kept), else nothing.
    virtual StreamTap* streamTap() const { return nullptr; }

    // Moving in a live stream kept on the disk while it plays (pausing keeps listening):
    // whether it can be done now, how far behind live what is heard lies and how much is kept
    // (in seconds; 0 when nothing is kept), and the moves: by seconds (back is negative), and
    // back to live.
    virtual bool canMove() const { return false; }
    // The place in the tap's stream heard now, when it is kept.
    virtual std::optional<std::uint64_t> heardPlace() const { return std::nullopt; }
    virtual double behindLive() const { return 0.0; }
    virtual double keptSeconds() const { return 0.0; }
    virtual void moveBy(double /*seconds*/) {}
    virtual void moveToLive() {}

    // Click and double-click on the video rectangle.
    void onClick(std::function<void()> handler) { m_click = std::move(handler); }
    void onDoubleClick(std::function<void()> handler) { m_doubleClick = std::move(handler); }

protected:
    void notifyClick() const {
        if (m_click) {
            m_click();
        }
    }
    void notifyDoubleClick() const {
        if (m_doubleClick) {
            m_doubleClick();
        }
    }

private:
    std::function<void()> m_click;
    std::function<void()> m_doubleClick;
};

// "mm:ss", or "h:mm:ss" from an hour on; empty for a length of 0 or less.
std::string formatDuration(double seconds);

} // namespace lumo
