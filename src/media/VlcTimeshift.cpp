// A live stream the program reads and keeps on the disk: pause keeps listening, and what is
// heard may be moved back and forth within what is kept. libVLC's own clock, from where it
// began reading, says where the listener is; a move starts libVLC over at the new place.
#include "media/StreamFeed.h"
#include "media/VlcMediaPlayer.h"

#include <algorithm>
#include <cmath>

namespace lumo {

namespace {

double secondsOf(std::uint64_t bytes, std::size_t rate) {
    return rate == 0 ? 0.0 : static_cast<double>(bytes) / static_cast<double>(rate);
}

} // namespace

bool VlcMediaPlayer::kept() const {
    return m_tap && m_tap->feed()->keepsHistory() &&
           (m_state == PlayState::Playing || m_state == PlayState::Paused);
}

// libVLC is started over at the new place, so only a stream that may be joined anywhere can be
// moved in: MP3 and AAC, whose frames it finds again. Ogg and WAV begin with headers.
bool VlcMediaPlayer::canMove() const {
    const std::string kind = m_tap ? m_tap->extension() : std::string();
    return kept() && (kind == "mp3" || kind == "aac");
}

std::uint64_t VlcMediaPlayer::placeHeard() const {
    const StreamFeed& feed = *m_tap->feed();
    const libvlc_time_t at = m_player ? libvlc_media_player_get_time(m_player.get()) : 0;
    const std::uint64_t played =
        at > 0 ? static_cast<std::uint64_t>(at) * feed.bytesPerSecond() / 1000 : 0;
    return std::clamp(m_startPlace + played, feed.firstKept(), feed.readAt());
}

std::optional<std::uint64_t> VlcMediaPlayer::heardPlace() const {
    if (!kept()) {
        return std::nullopt;
    }
    return placeHeard();
}

double VlcMediaPlayer::behindLive() const {
    if (!kept()) {
        return 0.0;
    }
    const StreamFeed& feed = *m_tap->feed();
    return secondsOf(feed.liveEnd() - placeHeard(), feed.bytesPerSecond());
}

double VlcMediaPlayer::keptSeconds() const {
    if (!kept()) {
        return 0.0;
    }
    const StreamFeed& feed = *m_tap->feed();
    return secondsOf(feed.liveEnd() - feed.firstKept(), feed.bytesPerSecond());
}

void VlcMediaPlayer::moveBy(double seconds) {
    if (!canMove()) {
        return;
    }
    const StreamFeed& feed = *m_tap->feed();
    const auto rate = static_cast<double>(feed.bytesPerSecond());
    const double target = static_cast<double>(placeHeard()) + seconds * rate;
    // Live is the end less the reserve a player keeps in hand.
    const std::uint64_t live = feed.liveEnd() - std::min(feed.liveEnd(), feed.reserve().target());
    const std::uint64_t place =
        target <= 0 ? 0 : std::min(static_cast<std::uint64_t>(std::llround(target)), live);
    m_shifted = place < live;
    restartAt(place);
}

void VlcMediaPlayer::moveToLive() {
    if (!canMove()) {
        return;
    }
    const StreamFeed& feed = *m_tap->feed();
    m_shifted = false;
    restartAt(feed.liveEnd() - std::min(feed.liveEnd(), feed.reserve().target()));
}

void VlcMediaPlayer::restartAt(std::uint64_t place) {
    VlcMedia media = fedMedia(*m_tap);
    if (!media) {
        return;
    }
    const std::string nowPlaying = m_media.nowPlaying;
    startMedia(std::move(media), m_tap.get(), place);
    m_media.nowPlaying = nowPlaying;
}

} // namespace lumo
