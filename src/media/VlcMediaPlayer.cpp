#include "media/VlcMediaPlayer.h"
#include "platform/Trim.h"

#include "media/StreamFeed.h"
#include "media/VideoWidget.h"
#include "media/VlcStateMap.h"
#include "net/StationText.h"
#include "platform/DisplaySession.h"
#include "platform/UrlOpener.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <cctype>

namespace lumo {

namespace {

// Off unless asked for (QT_LOGGING_RULES="lumo.media.info=true"); the start-up benchmark reads it.
Q_LOGGING_CATEGORY(lcMedia, "lumo.media", QtWarningMsg)

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

// How far a clock may run past a length before the length is taken for a live window.
constexpr long long kLengthTolerance = 2000;
// A clock that has stood this long while playing a stream the program reads means silence.
constexpr qint64 kUnderrunMs = 500;
// Longer than this, an unseekable stream's length is a placeholder, not a programme.
constexpr long long kLongestClipMs = 12LL * 3600 * 1000;

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

} // namespace

VlcMediaPlayer::VlcMediaPlayer(VideoWidget* video, NetEngine& network, Options options)
    : m_video(video), m_network(network), m_options(std::move(options)) {
    VlcCore core = m_options.early ? m_options.early->take() : makeVlcCore(m_options.vlcArguments);
    m_options.early.reset();
    m_instance = std::move(core.instance);
    m_player = std::move(core.player);
    if (!m_player) {
        m_status = "Media player unavailable";
        return;
    }
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player.get());
    for (auto type : kPlayerEvents) {
        libvlc_event_attach(events, type, &VlcMediaPlayer::onPlayerEvent, this);
    }
    // Clicks and keys go to our widget, not to libVLC's own handlers.
    libvlc_video_set_mouse_input(m_player.get(), 0);
    libvlc_video_set_key_input(m_player.get(), 0);
    if (m_video && QGuiApplication::platformName() == QLatin1String("xcb")) {
        libvlc_media_player_set_xwindow(m_player.get(), static_cast<uint32_t>(m_video->winId()));
        m_drawsIntoWidget = true;
    }
    if (m_video) {
        connect(m_video, &VideoWidget::clicked, this, [this] { notifyClick(); });
        connect(m_video, &VideoWidget::doubleClicked, this, [this] { notifyDoubleClick(); });
        // Full screen and back change the rectangle: the stretched picture follows it.
        connect(m_video, &VideoWidget::resized, this, [this] { applyStretch(); });
    }
    m_stallCheck.setInterval(1000);
    connect(&m_stallCheck, &QTimer::timeout, this, &VlcMediaPlayer::checkForStall);
    m_watchdog.setSingleShot(true);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        if (m_state != PlayState::Playing && m_state != PlayState::Paused) {
            openFailed("No answer from the station");
        }
    });
}

VlcMediaPlayer::~VlcMediaPlayer() {
    m_watchdog.stop();
    m_opening.reset();
    if (m_tap) {
        m_tap->feed()->end();
    }
    if (m_player) {
        libvlc_event_manager_t* events = libvlc_media_player_event_manager(m_player.get());
        for (auto type : kPlayerEvents) {
            libvlc_event_detach(events, type, &VlcMediaPlayer::onPlayerEvent, this);
        }
        libvlc_media_player_stop(m_player.get());
    }
    detachCurrentMedia();
}

void VlcMediaPlayer::onPlayerEvent(const libvlc_event_t* event, void* self) {
    float value = 0;
    if (event->type == libvlc_MediaPlayerBuffering) {
        value = event->u.media_player_buffering.new_cache;
    } else if (event->type == libvlc_MediaPlayerTimeChanged) {
        value = static_cast<float>(event->u.media_player_time_changed.new_time) / 1000.0f;
    } else if (event->type == libvlc_MediaPlayerSeekableChanged) {
        value = static_cast<float>(event->u.media_player_seekable_changed.new_seekable);
    } else if (event->type == libvlc_MediaPlayerVout) {
        value = static_cast<float>(event->u.media_player_vout.new_count);
    } else if (event->type == libvlc_MediaPlayerLengthChanged) {
        // Kept in seconds, so a float carries any real length.
        value = static_cast<float>(event->u.media_player_length_changed.new_length) / 1000.0f;
    }
    auto* player = static_cast<VlcMediaPlayer*>(self);
    // The clock moves several times a second; once playing, the stall check reads it instead.
    if (event->type == libvlc_MediaPlayerTimeChanged && !player->m_clockWatched.load()) {
        return;
    }
    player->post(event->type, value);
}

void VlcMediaPlayer::enter(PlayState state) {
    m_state = state;
    m_clockWatched.store(state != PlayState::Playing);
}

// Reads libVLC's clock into the position; true when it has started and moved since.
bool VlcMediaPlayer::clockMoved() {
    if (!m_player) {
        return false;
    }
    const libvlc_time_t at = libvlc_media_player_get_time(m_player.get());
    if (at <= 0 || at == m_positionMs) {
        return false;
    }
    m_positionMs = at;
    // A live HLS stream gives its playlist's window as its length; its clock runs past.
    if (m_lengthMs > 0 && m_positionMs > m_lengthMs + kLengthTolerance) {
        m_clockPastLength = true;
    }
    return true;
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

// A stream whose clock or data has not moved for the stall time has stopped, whatever its
// format: an Ogg decoder, say, keeps its clock going for a while after the data has stopped.
// Demultiplexed bytes are the measure: a clip is read at the pace it plays, a live stream as
// it arrives.
void VlcMediaPlayer::checkForStall() {
    if (m_state != PlayState::Playing) {
        return;
    }
    // libVLC does not report every change of a stream's artist and title: look each second.
    m_nowPlaying = streamTitle();
    m_status = playingStatus();
    if (clockMoved()) {
        m_clockAdvanced.start();
    } else if (m_tap && m_clockAdvanced.elapsed() >= kUnderrunMs) {
        m_tap->feed()->underran(); // silence: what was kept has run out
    }
    libvlc_media_stats_t stats{};
    if (m_current && libvlc_media_get_stats(m_current.get(), &stats) &&
        stats.i_demux_read_bytes != m_demuxedBytes) {
        m_demuxedBytes = stats.i_demux_read_bytes;
        m_dataArrived.start();
    }
    const qint64 limit = m_options.stallTimeoutMilliseconds;
    if (m_clockAdvanced.elapsed() > limit || m_dataArrived.elapsed() > limit) {
        openFailed("The stream stalled");
    }
}

// Runs on a libVLC thread: only posts. Calling libVLC from here can deadlock.
void VlcMediaPlayer::post(int type, float value) {
    const Report report{m_generation.load(), type, value};
    QMetaObject::invokeMethod(
        this, [this, report] { handle(report); }, Qt::QueuedConnection);
}

void VlcMediaPlayer::handle(const Report& report) {
    if (report.generation != m_generation.load()) {
        return;
    }
    switch (report.type) {
    case libvlc_MediaPlayerOpening:
        enter(playStateFor(libvlc_Opening));
        m_status = "Connecting...";
        break;
    case libvlc_MediaPlayerBuffering:
        if (report.value >= 100) {
            m_buffered = true;
            if (m_libvlcPlaying) {
                confirmPlaying();
            }
        } else if (m_state != PlayState::Playing && m_state != PlayState::Paused) {
            m_status = "Buffering " + std::to_string(static_cast<int>(report.value)) + "%";
        }
        break;
    case libvlc_MediaPlayerPlaying:
        // A playlist "plays" too, for as long as it takes to read it; only media that has
        // filled its buffers once counts as playing.
        m_libvlcPlaying = true;
        if (m_buffered || m_everPlayed) {
            confirmPlaying();
        }
        break;
    case libvlc_MediaPlayerPaused:
        m_libvlcPlaying = false;
        m_watchdog.stop();
        m_stallCheck.stop();
        enter(playStateFor(libvlc_Paused));
        m_status = "Paused";
        break;
    case libvlc_MediaPlayerStopped:
        if (m_ended) {
            break; // libVLC reports "stopped" after an end as well; the end stands
        }
        m_watchdog.stop();
        enter(playStateFor(libvlc_Stopped));
        m_status = "Stopped";
        break;
    case libvlc_MediaPlayerTimeChanged:
        if (report.value > 0) {
            m_clockAdvanced.start();
            clockMoved();
            // The clock runs: media is playing even if its buffers never reported full.
            if (m_libvlcPlaying && m_state != PlayState::Playing) {
                confirmPlaying();
            }
        }
        break;
    case libvlc_MediaPlayerSeekableChanged:
        m_seekable = report.value != 0 && !m_tap; // a stream the program reads never is
        break;
    case libvlc_MediaPlayerVout:
        // On Wayland, with no X window to draw into, libVLC shows the picture in a window of
        // its own.
        m_videoElsewhere = report.value > 0 && m_video && !m_drawsIntoWidget && onNativeWayland();
        break;
    case libvlc_MediaPlayerEndReached:
    case libvlc_MediaPlayerEncounteredError:
        m_watchdog.stop();
        m_stallCheck.stop();
        if (m_everPlayed) {
            enter(playStateFor(libvlc_Ended));
            m_status = "Finished";
            m_ended = true;
        } else {
            endedWithoutPlaying(report.type == libvlc_MediaPlayerEncounteredError
                                    ? "Could not connect"
                                    : "Nothing to play");
        }
        break;
    case libvlc_MediaPlayerLengthChanged:
        m_lengthMs = static_cast<long long>(report.value * 1000.0f);
        break;
    case libvlc_MediaMetaChanged:
        m_nowPlaying = streamTitle();
        if (m_state == PlayState::Playing) {
            m_status = playingStatus();
        }
        break;
    default:
        break;
    }
}

// What the station says is playing: its ICY title, or else the artist and title that Ogg and
// other containers carry. A title that is only the media's own name (from its address or a
// playlist entry) is not one.
std::string VlcMediaPlayer::streamTitle() const {
    if (m_tap && !m_tap->title().empty()) {
        return m_tap->title(); // cleaned as it came
    }
    if (!m_current) {
        return {};
    }
    auto meta = [this](libvlc_meta_t type) {
        std::string text;
        if (char* value = libvlc_media_get_meta(m_current.get(), type)) {
            text = cleanStationText(std::string_view(value));
            libvlc_free(value);
        }
        return text;
    };
    if (std::string icy = meta(libvlc_meta_NowPlaying); !icy.empty()) {
        return icy;
    }
    std::string title = meta(libvlc_meta_Title);
    if (title == m_mediaName) {
        title.clear();
    }
    const std::string artist = meta(libvlc_meta_Artist);
    if (title.empty()) {
        return {};
    }
    return artist.empty() ? title : artist + " - " + title;
}

std::string VlcMediaPlayer::playingStatus() const {
    return m_nowPlaying.empty() ? "Playing" : m_nowPlaying;
}

void VlcMediaPlayer::confirmPlaying() {
    m_watchdog.stop();
    m_clockAdvanced.start();
    m_dataArrived.start();
    m_stallCheck.start();
    enter(playStateFor(libvlc_Playing));
    m_everPlayed = true;
    m_status = playingStatus();
    qCInfo(lcMedia, "playing %s", m_url.c_str());
    applyAudioSettings();
    applyStretch();
}

void VlcMediaPlayer::haltPlayback() {
    m_probe.reset();
    m_opening.reset();
    if (m_tap) {
        m_tap->feed()->end(); // libVLC's reading ends, so that the stop can finish
    }
    m_watchdog.stop();
    m_stallCheck.stop();
    m_pausedByStopping = false;
    m_libvlcPlaying = false;
    m_buffered = false;
    m_ended = false;
    if (m_player) {
        libvlc_media_player_stop(m_player.get());
    }
    m_tap.reset();
    // Whatever the stopped playback still had in flight is now stale.
    ++m_generation;
}

void VlcMediaPlayer::detachCurrentMedia() {
    if (m_current) {
        libvlc_event_detach(libvlc_media_event_manager(m_current.get()), libvlc_MediaMetaChanged,
                            &VlcMediaPlayer::onMediaEvent, this);
    }
}

void VlcMediaPlayer::openMedia(VlcMedia media) {
    std::string address;
    if (char* mrl = libvlc_media_get_mrl(media.get())) {
        address = mrl;
        libvlc_free(mrl);
    }
    m_tapSource.reset();
    if (!StreamTap::worthTrying(address)) {
        startMedia(std::move(media));
        return;
    }
    haltPlayback();
    m_nowPlaying.clear();
    enter(PlayState::Transitioning);
    m_status = "Connecting...";
    m_watchdog.start(m_options.openTimeoutMilliseconds);
    auto source = std::make_shared<VlcMedia>(std::move(media));
    m_opening =
        std::make_unique<StreamTap>(m_network, address, [this, source](StreamTap::Verdict verdict) {
            std::unique_ptr<StreamTap> tap = std::move(m_opening);
            if (verdict != StreamTap::Verdict::Read) {
                tap.release()->deleteLater();
                if (verdict == StreamTap::Verdict::Refuse) {
                    openFailed("Could not connect");
                } else {
                    startMedia(std::move(*source));
                }
                return;
            }
            VlcMedia fed(libvlc_media_new_callbacks(m_instance.get(), &StreamFeed::open,
                                                    &StreamFeed::read, &StreamFeed::seek,
                                                    &StreamFeed::close, tap->feed().get()));
            if (!fed) {
                startMedia(std::move(*source));
                return;
            }
            // Told what the stream is, libVLC opens the one demuxer it needs instead of
            // trying every one it has.
            if (const char* demux = demuxFor(tap->extension())) {
                libvlc_media_add_option(fed.get(), demux);
            }
            connect(tap.get(), &StreamTap::titleChanged, this, [this] {
                m_nowPlaying = streamTitle();
                if (m_state == PlayState::Playing) {
                    m_status = playingStatus();
                }
            });
            // The feed must outlive libVLC's reading: the tap goes only after the player stops.
            StreamTap* reading = tap.get();
            m_tap = std::move(tap);
            startMedia(std::move(fed), reading);
            m_tapSource = std::move(*source);
        });
}

void VlcMediaPlayer::startMedia(VlcMedia media) {
    startMedia(std::move(media), nullptr);
}

void VlcMediaPlayer::startMedia(VlcMedia media, StreamTap* keep) {
    std::unique_ptr<StreamTap> kept = keep != nullptr ? std::move(m_tap) : nullptr;
    haltPlayback();
    m_tap = std::move(kept);
    detachCurrentMedia();
    m_current = std::move(media);
    m_nowPlaying.clear();
    m_lengthMs = 0;
    m_positionMs = 0;
    m_videoElsewhere = false;
    m_clockPastLength = false;
    m_demuxedBytes = 0;
    m_seekable = false;
    if (char* name = libvlc_media_get_meta(m_current.get(), libvlc_meta_Title)) {
        m_mediaName = cleanStationText(std::string_view(name));
        libvlc_free(name);
    } else {
        m_mediaName.clear();
    }
    enter(PlayState::Transitioning);
    m_status = "Connecting...";
    libvlc_event_attach(libvlc_media_event_manager(m_current.get()), libvlc_MediaMetaChanged,
                        &VlcMediaPlayer::onMediaEvent, this);
    libvlc_media_player_set_media(m_player.get(), m_current.get());
    if (libvlc_media_player_play(m_player.get()) != 0) {
        openFailed("Could not open");
        return;
    }
    m_watchdog.start(m_options.openTimeoutMilliseconds);
}

void VlcMediaPlayer::openFailed(const std::string& why) {
    haltPlayback();
    m_candidates.clear();
    enter(PlayState::Ready);
    m_status = why;
}

void VlcMediaPlayer::setURL(const std::string& address) {
    if (!m_player) {
        m_url = address;
        enter(PlayState::Ready);
        return;
    }
    haltPlayback();
    detachCurrentMedia();
    m_current.reset();
    m_candidates.clear();
    m_url = address;
    m_everPlayed = false;
    m_probed = false;
    m_hops = 0;
    m_lengthMs = 0;
    m_nowPlaying.clear();
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
        openFailed("Failed to Connect");
        return;
    }
    VlcMedia media(libvlc_media_new_location(m_instance.get(), target.c_str()));
    if (!media) {
        openFailed("Could not open");
        return;
    }
    openMedia(std::move(media));
}

void VlcMediaPlayer::play() {
    if (!m_player || !m_current) {
        return;
    }
    if (m_state == PlayState::Paused && !m_pausedByStopping) {
        libvlc_media_player_set_pause(m_player.get(), 0);
        return;
    }
    if (m_state == PlayState::Playing || m_state == PlayState::Transitioning) {
        return;
    }
    if (!m_everPlayed) {
        setURL(m_url); // start over, playlist and all
        return;
    }
    if (m_tapSource) {
        // A stream the program read: a new connection, as at first.
        openMedia(VlcMedia(libvlc_media_duplicate(m_tapSource.get())));
        return;
    }
    VlcMedia again(libvlc_media_duplicate(m_current.get()));
    startMedia(std::move(again));
}

void VlcMediaPlayer::stop() {
    if (!m_player) {
        return;
    }
    haltPlayback();
    m_candidates.clear();
    enter(PlayState::Stopped);
    m_status = "Stopped";
}

void VlcMediaPlayer::pause() {
    if (!m_player || m_state != PlayState::Playing) {
        return;
    }
    if (m_seekable && libvlc_media_player_can_pause(m_player.get()) != 0) {
        libvlc_media_player_set_pause(m_player.get(), 1);
        return;
    }
    // A live stream cannot hold still (its server may drop a connection that stops reading):
    // release it, and connect afresh on play.
    haltPlayback();
    m_pausedByStopping = true;
    enter(PlayState::Paused);
    m_status = "Paused";
}

void VlcMediaPlayer::setVolume(int volume) {
    m_volume = std::clamp(volume, 0, 100);
    applyAudioSettings();
}

void VlcMediaPlayer::setMute(bool mute) {
    // The window says so twice a second; each call reaches the audio output.
    if (mute != m_mute) {
        m_mute = mute;
        applyAudioSettings();
    }
}

// libVLC only takes these once audio is running, so they are given again when playing starts.
void VlcMediaPlayer::applyAudioSettings() {
    if (m_player) {
        libvlc_audio_set_volume(m_player.get(), m_volume);
        libvlc_audio_set_mute(m_player.get(), m_mute ? 1 : 0);
    }
}

// A clip has a programme length, whether or not its server lets it be sought. A live stream has
// none: its clock runs past what it gives as its length (an HLS window), or it cannot be
// sought and gives a length no programme has (an endless WAV header's 4 GiB).
std::string VlcMediaPlayer::status() const {
    if (m_state == PlayState::Playing && m_tap && m_tap->feed()->rebuffering()) {
        return "Buffering...";
    }
    if (m_videoElsewhere && m_state == PlayState::Playing) {
        return m_status + " - video in its own window";
    }
    return m_status;
}

double VlcMediaPlayer::position() const {
    if (m_player && (m_state == PlayState::Playing || m_state == PlayState::Paused)) {
        if (const libvlc_time_t at = libvlc_media_player_get_time(m_player.get()); at > 0) {
            return static_cast<double>(at) / 1000.0;
        }
    }
    return static_cast<double>(m_positionMs) / 1000.0;
}

double VlcMediaPlayer::duration() const {
    if (m_lengthMs <= 0 || m_clockPastLength || (!m_seekable && m_lengthMs > kLongestClipMs)) {
        return 0.0;
    }
    return static_cast<double>(m_lengthMs) / 1000.0;
}

bool VlcMediaPlayer::fullScreen() const {
    return m_video && m_video->isFullScreen();
}

void VlcMediaPlayer::setFullScreen(bool on) {
    if (m_video) {
        m_video->setFullScreen(on);
    }
}

void VlcMediaPlayer::setStretchToFit(bool on) {
    if (on != m_stretch) {
        m_stretch = on;
        applyStretch();
    }
}

void VlcMediaPlayer::applyStretch() {
    if (!m_player) {
        return;
    }
    libvlc_video_set_scale(m_player.get(), 0);
    if (m_stretch && m_video && m_video->width() > 0 && m_video->height() > 0) {
        const std::string ratio =
            std::to_string(m_video->width()) + ":" + std::to_string(m_video->height());
        libvlc_video_set_aspect_ratio(m_player.get(), ratio.c_str());
    } else {
        libvlc_video_set_aspect_ratio(m_player.get(), nullptr);
    }
}

} // namespace lumo
