// The media player over libVLC: its start and end, the transport, the stall check, the title
// and what the status line says. Its events are turned into state in VlcEvents.cpp, and what
// it opens and how in VlcOpening.cpp and VlcPlaylists.cpp.
#include "media/VlcMediaPlayer.h"

#include "media/StreamFeed.h"
#include "media/VideoWidget.h"
#include "media/VlcStateMap.h"
#include "net/StationText.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <algorithm>

namespace lumo {

namespace {

// Off unless asked for (QT_LOGGING_RULES="lumo.media.info=true"); the start-up benchmark reads it.
Q_LOGGING_CATEGORY(lcMedia, "lumo.media", QtWarningMsg)

// How far a clock may run past a length before the length is taken for a live window.
constexpr long long kLengthTolerance = 2000;
// A clock that has stood this long while playing a stream the program reads means silence.
constexpr qint64 kUnderrunMs = 500;
// Longer than this, an unseekable stream's length is a placeholder, not a programme.
constexpr long long kLongestClipMs = 12LL * 3600 * 1000;

} // namespace

VlcMediaPlayer::VlcMediaPlayer(VideoWidget* video, NetEngine& network, Options options)
    : m_video(video), m_network(network), m_options(std::move(options)) {
    VlcCore core = m_options.early ? m_options.early->take() : makeVlcCore(m_options.vlcArguments);
    m_options.early.reset();
    m_instance = std::move(core.instance);
    m_player = std::move(core.player);
    if (!m_player) {
        m_status = tr("Media player unavailable").toStdString();
        return;
    }
    attachPlayerEvents();
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
            openFailed(tr("No answer from the station").toStdString());
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
        detachPlayerEvents();
        libvlc_media_player_stop(m_player.get());
    }
    detachMediaEvents();
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
    if (at <= 0 || at == m_media.positionMs) {
        return false;
    }
    m_media.positionMs = at;
    // A live HLS stream gives its playlist's window as its length; its clock runs past.
    if (m_media.lengthMs > 0 && m_media.positionMs > m_media.lengthMs + kLengthTolerance) {
        m_media.clockPastLength = true;
    }
    return true;
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
    takeTitle();
    if (clockMoved()) {
        m_clockAdvanced.start();
    } else if (m_tap && m_clockAdvanced.elapsed() >= kUnderrunMs) {
        m_tap->feed()->underran(); // silence: what was kept has run out
    }
    libvlc_media_stats_t stats{};
    if (m_current && libvlc_media_get_stats(m_current.get(), &stats) &&
        stats.i_demux_read_bytes != m_media.demuxedBytes) {
        m_media.demuxedBytes = stats.i_demux_read_bytes;
        m_dataArrived.start();
    }
    const qint64 limit = m_options.stallTimeoutMilliseconds;
    if (m_clockAdvanced.elapsed() > limit || m_dataArrived.elapsed() > limit) {
        openFailed(tr("The stream stalled").toStdString());
    }
}

// What the station says is playing: its ICY title, or else the artist and title that Ogg and
// other containers carry. A title that is only the media's own name (from its address or a
// playlist entry) is not one.
std::string VlcMediaPlayer::streamTitle() const {
    if (m_tap && m_tap->feed()->keepsHistory()) {
        if (std::string heard = m_tap->feed()->store().titleAt(placeHeard()); !heard.empty()) {
            return heard; // what is heard, which may lie behind what arrives
        }
    }
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
    if (title == m_media.name) {
        title.clear();
    }
    const std::string artist = meta(libvlc_meta_Artist);
    if (title.empty()) {
        return {};
    }
    return artist.empty() ? title : artist + " - " + title;
}

std::string VlcMediaPlayer::playingStatus() const {
    return m_media.nowPlaying.empty() ? tr("Playing").toStdString() : m_media.nowPlaying;
}

void VlcMediaPlayer::takeTitle() {
    m_media.nowPlaying = streamTitle();
    if (m_state == PlayState::Playing) {
        m_status = playingStatus();
    }
}

void VlcMediaPlayer::confirmPlaying() {
    m_watchdog.stop();
    m_clockAdvanced.start();
    m_dataArrived.start();
    m_stallCheck.start();
    enter(playStateFor(libvlc_Playing));
    m_address.everPlayed = true;
    m_status = playingStatus();
    qCInfo(lcMedia, "playing %s", m_url.c_str());
    applyAudioSettings();
    applyStretch();
}

void VlcMediaPlayer::play() {
    if (!m_player || !m_current) {
        return;
    }
    if (m_state == PlayState::Paused && !m_media.run.pausedByStopping) {
        libvlc_media_player_set_pause(m_player.get(), 0);
        return;
    }
    if (m_state == PlayState::Playing || m_state == PlayState::Transitioning) {
        return;
    }
    if (!m_address.everPlayed) {
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
    m_shifted = false;
    m_candidates.clear();
    enter(PlayState::Stopped);
    m_status = tr("Stopped").toStdString();
}

void VlcMediaPlayer::pause() {
    if (!m_player || m_state != PlayState::Playing) {
        return;
    }
    // A stream kept on the disk goes on arriving while the sound holds still.
    if (m_tap && m_tap->feed()->keepsHistory() &&
        libvlc_media_player_can_pause(m_player.get()) != 0) {
        m_shifted = true;
        libvlc_media_player_set_pause(m_player.get(), 1);
        return;
    }
    if (m_media.seekable && libvlc_media_player_can_pause(m_player.get()) != 0) {
        libvlc_media_player_set_pause(m_player.get(), 1);
        return;
    }
    // A live stream cannot hold still (its server may drop a connection that stops reading):
    // release it, and connect afresh on play.
    haltPlayback();
    m_media.run.pausedByStopping = true;
    enter(PlayState::Paused);
    m_status = tr("Paused").toStdString();
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
        return tr("Buffering...").toStdString();
    }
    if (m_state == PlayState::Playing && m_shifted && kept()) {
        const auto behind = static_cast<long long>(behindLive());
        if (behind > 0) {
            const QString place =
                QStringLiteral("%1:%2").arg(behind / 60).arg(behind % 60, 2, 10, QLatin1Char('0'));
            return tr("%1 - %2 behind live")
                .arg(QString::fromStdString(m_status), place)
                .toStdString();
        }
    }
    if (m_media.videoElsewhere && m_state == PlayState::Playing) {
        return tr("%1 - video in its own window")
            .arg(QString::fromStdString(m_status))
            .toStdString();
    }
    return m_status;
}

double VlcMediaPlayer::position() const {
    if (m_player && (m_state == PlayState::Playing || m_state == PlayState::Paused)) {
        if (const libvlc_time_t at = libvlc_media_player_get_time(m_player.get()); at > 0) {
            return static_cast<double>(at) / 1000.0;
        }
    }
    return static_cast<double>(m_media.positionMs) / 1000.0;
}

double VlcMediaPlayer::duration() const {
    if (m_media.lengthMs <= 0 || m_media.clockPastLength ||
        (!m_media.seekable && m_media.lengthMs > kLongestClipMs)) {
        return 0.0;
    }
    return static_cast<double>(m_media.lengthMs) / 1000.0;
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
