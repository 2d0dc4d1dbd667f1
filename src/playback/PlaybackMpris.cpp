#include "playback/PlaybackMpris.h"

#include "media/MediaPlayer.h"
#include "playback/Playback.h"

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
    return media.duration() > 0 ? media.position() : 0.0;
}

bool PlaybackMpris::mprisOpenUri(const std::string& address) {
    return m_playback.openUri(address);
}

} // namespace lumo
