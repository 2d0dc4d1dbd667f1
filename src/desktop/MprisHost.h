#pragma once

#include "media/PlayState.h"

#include <string>

namespace lumo {

// What the desktop bus service needs of the player window.
class MprisHost {
public:
    virtual ~MprisHost() = default;

    virtual PlayState mprisPlayState() const = 0;
    virtual void mprisPlay() = 0;
    virtual void mprisPause() = 0;
    virtual void mprisStop() = 0;
    virtual int mprisVolume() const = 0; // 0..100 in steps of 10
    virtual void mprisSetVolume(int level) = 0;
    virtual std::string mprisNowPlaying() const = 0; // what the station says, or nothing
    virtual std::string mprisStationName() const = 0;
    virtual std::string mprisArtUrl() const = 0; // the live-feed picture's path, or nothing
    // A clip's length and how far into it the player is, in seconds; 0 for a live stream.
    virtual double mprisLength() const = 0;
    virtual double mprisPosition() const = 0;
    // A live stream kept to move in: the place heard within what is kept (mprisPosition), a
    // move by seconds, and to a place within it.
    virtual bool mprisCanSeek() const { return false; }
    virtual void mprisSeek(double /*seconds*/) {}
    virtual void mprisSetPosition(double /*seconds*/) {}
    // Plays an http(s) address as the current station; false when it is refused.
    virtual bool mprisOpenUri(const std::string& address) = 0;
    virtual void mprisRaise() = 0;
    virtual void mprisQuit() = 0;
};

} // namespace lumo
