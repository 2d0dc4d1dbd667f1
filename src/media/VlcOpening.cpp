// How the player opens what it is given: only network addresses; a live http(s) stream through
// the program's own reader (its first answer decides), anything else through libVLC. Each open
// halts what played and starts a new generation, so that reports of older media are dropped.
#include "media/VlcMediaPlayer.h"

#include "media/StreamFeed.h"
#include "net/StationText.h"
#include "platform/Trim.h"
#include "platform/UrlOpener.h"

namespace lumo {

namespace {

// The demuxer for a stream of the type a file name extension names (the elementary stream
// demuxer by the names of its audio kinds: as "es" it looks for video and fails on a stream
// joined between two frames, as every live one is).
const char* demuxFor(const std::string& extension) {
    if (extension == "mp3") {
        return ":demux=mpga";
    }
    if (extension == "aac") {
        return ":demux=aac";
    }
    if (extension == "ogg" || extension == "opus") {
        return ":demux=ogg";
    }
    if (extension == "flac") {
        return ":demux=flac";
    }
    if (extension == "wav") {
        return ":demux=wav";
    }
    return nullptr;
}

std::string mediaAddress(libvlc_media_t* media) {
    std::string address;
    if (char* mrl = libvlc_media_get_mrl(media)) {
        address = mrl;
        libvlc_free(mrl);
    }
    return address;
}

} // namespace

void VlcMediaPlayer::setURL(const std::string& address) {
    if (!m_player) {
        m_url = address;
        enter(PlayState::Ready);
        return;
    }
    haltPlayback();
    detachMediaEvents();
    m_current.reset();
    m_candidates.clear();
    m_url = address;
    m_address = {};
    m_media = {};
    const std::string target = std::string(trimmed(address, " \t\r\n"));
    if (target.empty()) {
        libvlc_media_player_set_media(m_player.get(), nullptr);
        enter(PlayState::Undefined);
        m_status.clear();
        return;
    }
    // Stations and playlists come from outside: only network streams are opened, never a local
    // file, a device (camera, microphone, screen) or one of libVLC's own schemes.
    if (!isNetworkAddress(target)) {
        openFailed(tr("Failed to Connect").toStdString());
        return;
    }
    VlcMedia media(libvlc_media_new_location(m_instance.get(), target.c_str()));
    if (!media) {
        openFailed(tr("Could not open").toStdString());
        return;
    }
    openMedia(std::move(media));
}

void VlcMediaPlayer::openMedia(VlcMedia media) {
    const std::string address = mediaAddress(media.get());
    m_tapSource.reset();
    m_shifted = false;
    if (!StreamTap::worthTrying(address)) {
        startMedia(std::move(media));
        return;
    }
    haltPlayback();
    m_media.nowPlaying.clear();
    enter(PlayState::Transitioning);
    m_status = tr("Connecting...").toStdString();
    m_watchdog.start(m_options.openTimeoutMilliseconds);
    auto source = std::make_shared<VlcMedia>(std::move(media));
    m_opening = std::make_unique<StreamTap>(
        m_network, address,
        [this, source](StreamTap::Verdict verdict) { tapAnswered(verdict, std::move(*source)); },
        m_options.timeshift);
}

// The stream's first answer: read it ourselves, hand it to libVLC as it is, or give up.
void VlcMediaPlayer::tapAnswered(StreamTap::Verdict verdict, VlcMedia source) {
    std::unique_ptr<StreamTap> tap = std::move(m_opening);
    if (verdict != StreamTap::Verdict::Read) {
        tap.release()->deleteLater(); // its answer is still on the stack
        if (verdict == StreamTap::Verdict::Refuse) {
            openFailed(tr("Could not connect").toStdString());
        } else {
            startMedia(std::move(source));
        }
        return;
    }
    VlcMedia fed = fedMedia(*tap);
    if (!fed) {
        startMedia(std::move(source));
        return;
    }
    connect(tap.get(), &StreamTap::titleChanged, this, [this] { takeTitle(); });
    // The feed must outlive libVLC's reading: the tap goes only after the player stops.
    StreamTap* reading = tap.get();
    m_tap = std::move(tap);
    startMedia(std::move(fed), reading);
    m_tapSource = std::move(source);
}

// libVLC's media for what the tap reads.
VlcMedia VlcMediaPlayer::fedMedia(const StreamTap& tap) {
    VlcMedia fed(libvlc_media_new_callbacks(m_instance.get(), &StreamFeed::open, &StreamFeed::read,
                                            &StreamFeed::seek, &StreamFeed::close,
                                            tap.feed().get()));
    // Told what the stream is, libVLC opens the one demuxer it needs instead of trying every
    // one it has.
    if (const char* demux = demuxFor(tap.extension()); fed && demux != nullptr) {
        libvlc_media_add_option(fed.get(), demux);
    }
    return fed;
}

void VlcMediaPlayer::startMedia(VlcMedia media) {
    startMedia(std::move(media), nullptr);
}

void VlcMediaPlayer::startMedia(VlcMedia media, StreamTap* keep, std::uint64_t place) {
    std::unique_ptr<StreamTap> kept = keep != nullptr ? std::move(m_tap) : nullptr;
    if (kept) {
        kept->feed()->interrupt(); // libVLC may be reading it: the stop must not wait for bytes
    }
    haltPlayback();
    m_tap = std::move(kept);
    if (m_tap) {
        m_tap->feed()->moveTo(place);
        m_startPlace = m_tap->feed()->readAt();
    }
    detachMediaEvents();
    m_current = std::move(media);
    m_media = {};
    if (char* name = libvlc_media_get_meta(m_current.get(), libvlc_meta_Title)) {
        m_media.name = cleanStationText(std::string_view(name));
        libvlc_free(name);
    }
    enter(PlayState::Transitioning);
    m_status = tr("Connecting...").toStdString();
    attachMediaEvents();
    libvlc_media_player_set_media(m_player.get(), m_current.get());
    if (libvlc_media_player_play(m_player.get()) != 0) {
        openFailed(tr("Could not open").toStdString());
        return;
    }
    m_watchdog.start(m_options.openTimeoutMilliseconds);
}

void VlcMediaPlayer::haltPlayback() {
    m_probe.reset();
    m_opening.reset();
    if (m_tap) {
        m_tap->feed()->end(); // libVLC's reading ends, so that the stop can finish
    }
    m_watchdog.stop();
    m_stallCheck.stop();
    m_media.run = {};
    if (m_player) {
        libvlc_media_player_stop(m_player.get());
    }
    m_tap.reset();
    // Whatever the stopped playback still had in flight is now stale.
    ++m_generation;
}

void VlcMediaPlayer::openFailed(const std::string& why) {
    haltPlayback();
    m_candidates.clear();
    enter(PlayState::Ready);
    m_status = why;
}

} // namespace lumo
