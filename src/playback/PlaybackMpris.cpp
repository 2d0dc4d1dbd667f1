#include "playback/PlaybackMpris.h"

#include "media/MediaPlayer.h"
#include "playback/Playback.h"

#include <algorithm>

namespace lumo {

PlaybackMpris::PlaybackMpris(Playback& playback, Window window)
    : m_playback(playback), m_window(std::move(window)) {}

PlayState PlaybackMpris::mprisPlayState() const {
    return m_playback.media().playState();
}

void PlaybackMpris::mprisPlay() {
    m_playback.play();
}

void PlaybackMpris::mprisPause() {
    m_playback.pause();
}

void PlaybackMpris::mprisStop() {
    m_playback.stop();
}

int PlaybackMpris::mprisVolume() const {
    return m_playback.volume();
}

void PlaybackMpris::mprisSetVolume(int level) {
    m_playback.setVolume(level);
}

std::string PlaybackMpris::mprisNowPlaying() const {
    return m_playback.media().nowPlaying();
}

std::string PlaybackMpris::mprisStationName() const {
    return m_playback.stationName();
}

double PlaybackMpris::mprisLength() const {
    return m_playback.media().duration();
}

double PlaybackMpris::mprisPosition() const {
    const MediaPlayer& media = m_playback.media();
    if (media.keptSeconds() > 0) {
        return std::max(0.0, media.keptSeconds() - media.behindLive());
    }
    return media.duration() > 0 ? media.position() : 0.0;
}

bool PlaybackMpris::mprisCanSeek() const {
    return m_playback.media().canMove();
}

void PlaybackMpris::mprisSeek(double seconds) {
    m_playback.moveBy(seconds);
}

void PlaybackMpris::mprisSetPosition(double seconds) {
    m_playback.moveBy(seconds - mprisPosition());
}

bool PlaybackMpris::mprisOpenUri(const std::string& address) {
    return m_playback.openUri(address);
}

} // namespace lumo
