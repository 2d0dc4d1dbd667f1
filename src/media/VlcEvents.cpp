// libVLC's events, turned into the player's state. libVLC reports from its own threads: those
// callbacks only post to the player's thread, where the reports of older media are dropped and
// the rest are handled.
#include "media/VlcMediaPlayer.h"

#include "media/VideoWidget.h"
#include "media/VlcStateMap.h"
#include "platform/DisplaySession.h"

namespace lumo {

namespace {

constexpr libvlc_event_type_t kPlayerEvents[] = {libvlc_MediaPlayerOpening,
                                                 libvlc_MediaPlayerBuffering,
                                                 libvlc_MediaPlayerPlaying,
                                                 libvlc_MediaPlayerPaused,
                                                 libvlc_MediaPlayerStopped,
                                                 libvlc_MediaPlayerEndReached,
                                                 libvlc_MediaPlayerEncounteredError,
                                                 libvlc_MediaPlayerLengthChanged,
                                                 libvlc_MediaPlayerTimeChanged,
                                                 libvlc_MediaPlayerSeekableChanged,
                                                 libvlc_MediaPlayerVout};

// The one figure an event carries that the player uses; lengths and times in seconds, so that
// a float carries any real one.
float eventValue(const libvlc_event_t& event) {
    switch (event.type) {
    case libvlc_MediaPlayerBuffering:
        return event.u.media_player_buffering.new_cache;
    case libvlc_MediaPlayerTimeChanged:
        return static_cast<float>(event.u.media_player_time_changed.new_time) / 1000.0f;
    case libvlc_MediaPlayerSeekableChanged:
        return static_cast<float>(event.u.media_player_seekable_changed.new_seekable);
    case libvlc_MediaPlayerVout:
        return static_cast<float>(event.u.media_player_vout.new_count);
    case libvlc_MediaPlayerLengthChanged:
        return static_cast<float>(event.u.media_player_length_changed.new_length) / 1000.0f;
    default:
        return 0;
    }
}

} // namespace

void VlcMediaPlayer::attachPlayerEvents() {
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player.get());
    for (auto type : kPlayerEvents) {
        libvlc_event_attach(events, type, &VlcMediaPlayer::onPlayerEvent, this);
    }
}

void VlcMediaPlayer::detachPlayerEvents() {
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player.get());
    for (auto type : kPlayerEvents) {
        libvlc_event_detach(events, type, &VlcMediaPlayer::onPlayerEvent, this);
    }
}

void VlcMediaPlayer::attachMediaEvents() {
    libvlc_event_attach(libvlc_media_event_manager(m_current.get()), libvlc_MediaMetaChanged,
                        &VlcMediaPlayer::onMediaEvent, this);
}

void VlcMediaPlayer::detachMediaEvents() {
    if (m_current) {
        libvlc_event_detach(libvlc_media_event_manager(m_current.get()), libvlc_MediaMetaChanged,
                            &VlcMediaPlayer::onMediaEvent, this);
    }
}

void VlcMediaPlayer::onPlayerEvent(const libvlc_event_t* event, void* self) {
    auto* player = static_cast<VlcMediaPlayer*>(self);
    // The clock moves several times a second; once playing, the stall check reads it instead.
    if (event->type == libvlc_MediaPlayerTimeChanged && !player->m_clockWatched.load()) {
        return;
    }
    player->post(event->type, eventValue(*event));
}

void VlcMediaPlayer::onMediaEvent(const libvlc_event_t* event, void* self) {
    if (event->type != libvlc_MediaMetaChanged) {
        return;
    }
    const libvlc_meta_t type = event->u.media_meta_changed.meta_type;
    if (type == libvlc_meta_NowPlaying || type == libvlc_meta_Title || type == libvlc_meta_Artist) {
        static_cast<VlcMediaPlayer*>(self)->post(event->type, 0);
    }
}

// Runs on a libVLC thread: only posts. Calling libVLC from here can deadlock.
void VlcMediaPlayer::post(int type, float value) {
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation.load(), type, value] { handle(generation, type, value); },
        Qt::QueuedConnection);
}

void VlcMediaPlayer::handle(std::uint64_t generation, int type, float value) {
    if (generation != m_generation.load()) {
        return;
    }
    PerMedia::Run& run = m_media.run;
    switch (type) {
    case libvlc_MediaPlayerOpening:
        enter(playStateFor(libvlc_Opening));
        m_status = tr("Connecting...").toStdString();
        break;
    case libvlc_MediaPlayerBuffering:
        if (value >= 100) {
            run.buffered = true;
            if (run.libvlcPlaying) {
                confirmPlaying();
            }
        } else if (m_state != PlayState::Playing && m_state != PlayState::Paused) {
            m_status = tr("Buffering %1%").arg(static_cast<int>(value)).toStdString();
        }
        break;
    case libvlc_MediaPlayerPlaying:
        // A playlist "plays" too, for as long as it takes to read it; only media that has
        // filled its buffers once counts as playing.
        run.libvlcPlaying = true;
        if (run.buffered || m_address.everPlayed) {
            confirmPlaying();
        }
        break;
    case libvlc_MediaPlayerPaused:
        run.libvlcPlaying = false;
        m_watchdog.stop();
        m_stallCheck.stop();
        enter(playStateFor(libvlc_Paused));
        m_status = tr("Paused").toStdString();
        break;
    case libvlc_MediaPlayerStopped:
        if (run.ended) {
            break; // libVLC reports "stopped" after an end as well; the end stands
        }
        m_watchdog.stop();
        enter(playStateFor(libvlc_Stopped));
        m_status = tr("Stopped").toStdString();
        break;
    case libvlc_MediaPlayerTimeChanged:
        if (value > 0) {
            m_clockAdvanced.start();
            clockMoved();
            // The clock runs: media is playing even if its buffers never reported full.
            if (run.libvlcPlaying && m_state != PlayState::Playing) {
                confirmPlaying();
            }
        }
        break;
    case libvlc_MediaPlayerSeekableChanged:
        m_media.seekable = value != 0 && !m_tap; // a stream the program reads never is
        break;
    case libvlc_MediaPlayerVout:
        // On Wayland, with no X window to draw into, libVLC shows the picture in a window of
        // its own.
        m_media.videoElsewhere = value > 0 && m_video && !m_drawsIntoWidget && onNativeWayland();
        break;
    case libvlc_MediaPlayerEndReached:
    case libvlc_MediaPlayerEncounteredError:
        m_watchdog.stop();
        m_stallCheck.stop();
        if (m_address.everPlayed) {
            enter(playStateFor(libvlc_Ended));
            m_status = tr("Finished").toStdString();
            run.ended = true;
        } else {
            endedWithoutPlaying(type == libvlc_MediaPlayerEncounteredError
                                    ? tr("Could not connect").toStdString()
                                    : tr("Nothing to play").toStdString());
        }
        break;
    case libvlc_MediaPlayerLengthChanged:
        m_media.lengthMs = static_cast<long long>(value * 1000.0f);
        break;
    case libvlc_MediaMetaChanged:
        takeTitle();
        break;
    default:
        break;
    }
}

} // namespace lumo
