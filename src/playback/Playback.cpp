#include "playback/Playback.h"

#include "media/MediaPlayer.h"
#include "media/StreamTap.h"
#include "platform/PlainText.h"
#include "platform/UrlOpener.h"
#include "record/HeardSong.h"
#include "record/Recorder.h"
#include "state/ProgramState.h"

#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace lumo {

namespace {

// Status-line notes stay this many ticks of the status timer.
constexpr int kNoteTicks = 10;

std::filesystem::path recordingsFolder(const std::filesystem::path& given) {
    if (!given.empty()) {
        return given;
    }
    return std::filesystem::path(
               QStandardPaths::writableLocation(QStandardPaths::MusicLocation).toStdString()) /
           "Lumo";
}

} // namespace

Playback::Playback(ProgramState& state, MediaPlayer& media, PlaybackServices services,
                   QObject* parent)
    : QObject(parent), m_state(state), m_media(media),
      m_keeper(new StreamKeeper(media, std::move(services.probe), this)),
      m_sleep(new SleepTimer(*this, std::move(services.clock), this)),
      m_recorder(new Recorder(recordingsFolder(services.recordings), std::move(services.freeSpace),
                              this)) {
    m_tryOnceMore.setSingleShot(true);
    m_tryOnceMore.setInterval(1000);
    connect(&m_tryOnceMore, &QTimer::timeout, this, [this] {
        if (m_state.reconnectState == kReconnectUsed &&
            m_tryOnceMoreUrl == m_state.CurrentStation.streamUrl) {
            m_media.setURL(m_tryOnceMoreUrl);
        }
    });
    connect(
        m_recorder, &Recorder::stopped, this,
        [this](const QString& why) {
            emit recordingChanged(false);
            noteOnStatusLine(why);
        },
        Qt::QueuedConnection);
}

Playback::~Playback() = default;

void Playback::play() {
    m_keeper->cancel();
    m_tryOnceMore.stop();
    m_media.play();
    emit transportPressed(Transport::Play);
}

void Playback::stop() {
    m_playing.clear();
    m_keeper->cancel();
    m_tryOnceMore.stop();
    m_media.stop();
    emit transportPressed(Transport::Stop);
}

void Playback::pause() {
    m_media.pause();
    emit transportPressed(Transport::Pause);
}

void Playback::playOrPause() {
    if (m_media.playState() == PlayState::Playing) {
        pause();
    } else {
        play();
    }
}

bool Playback::canMove() const {
    return m_media.canMove();
}

void Playback::moveBy(double seconds) {
    m_media.moveBy(seconds);
}

void Playback::moveToLive() {
    m_media.moveToLive();
}

bool Playback::openAddress(const std::string& address, const std::string& name) {
    if (!isNetworkAddress(address) || m_released) {
        return false;
    }
    const std::string shown = name.empty() ? address : name;
    m_state.CurrentStation = {"RADIO", shown, "", address, "NONE"};
    m_state.shownStationName = shown;
    m_state.reconnectState = kReconnectAllowed;
    m_state.streamReached = kStreamNotReached;
    emit stationOpened();
    m_media.stop();
    m_media.setURL(address);
    m_media.setStretchToFit(true);
    m_media.play();
    return true;
}

bool Playback::openUri(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           openAddress(address);
}

const std::string& Playback::stationName() const {
    return m_state.shownStationName;
}

int Playback::volume() const {
    return m_state.volumeLevel;
}

void Playback::UPVOL() {
    if (m_state.volumeLevel >= playback::kLoudest) {
        return;
    }
    m_state.volumeLevel = static_cast<std::int16_t>(
        std::min(m_state.volumeLevel + playback::kVolumeStep, playback::kLoudest));
    m_state.volumeDragAnchorY = static_cast<std::int16_t>(m_state.volumeDragAnchorY - 10);
    m_media.setVolume(m_state.volumeLevel);
    emit volumeChanged(m_state.volumeLevel);
}

void Playback::DOWNVOL() {
    if (m_state.volumeLevel <= 0) {
        return;
    }
    m_state.volumeDragAnchorY = static_cast<std::int16_t>(m_state.volumeDragAnchorY + 10);
    m_state.volumeLevel = static_cast<std::int16_t>(m_state.volumeLevel - playback::kVolumeStep);
    m_media.setVolume(m_state.volumeLevel);
    if (m_state.volumeLevel < playback::kVolumeStep) {
        m_state.volumeLevel = 0;
    }
    emit volumeChanged(m_state.volumeLevel);
}

void Playback::setVolume(int level) {
    while (m_state.volumeLevel < level && m_state.volumeLevel < playback::kLoudest) {
        UPVOL();
    }
    while (m_state.volumeLevel > level && m_state.volumeLevel > 0) {
        DOWNVOL();
    }
}

// A station opened by its address is named by what its stream calls itself, once it says.
void Playback::nameOpenedStation() {
    Station& station = m_state.CurrentStation;
    const StreamTap* tap = m_media.streamTap();
    if (tap != nullptr && station.name == station.streamUrl && !tap->stationName().empty()) {
        station.name = tap->stationName();
        m_state.shownStationName = station.name;
    }
}

Playback::Tick Playback::statusTick() {
    using playback::StatusLine;
    nameOpenedStation();
    Tick tick;
    const bool clip = playback::isClip(m_media.duration());
    switch (playback::statusLineOnTick(m_noteTicks > 0, clip, m_cycle)) {
    case StatusLine::Note:
        --m_noteTicks;
        tick.statusLine = m_note;
        break;
    case StatusLine::Status:
        tick.statusLine = displayText(m_media.status());
        break;
    case StatusLine::ProgramTime:
        tick.statusLine =
            tr("Program Time - %1 minutes").arg(displayText(m_media.durationString()));
        break;
    case StatusLine::Unchanged:
        break;
    }
    m_media.setMute(false);
    m_media.setStretchToFit(true);

    const PlayState state = m_media.playState();
    if (state == PlayState::Undefined) {
        return tick;
    }
    if (playback::reachesStream(state)) {
        tick.shown = state;
        m_state.streamReached = kStreamReached;
        if (state == PlayState::Playing) {
            m_keeper->streamPlaying();
            if (std::string address = m_media.URL(); address != m_playing) {
                m_playing = address;
                emit startedPlaying(m_playing);
            }
        }
    } else if (state == PlayState::Ready) {
        if (auto line = atReady()) {
            tick.statusLine = std::move(line);
        }
    }
    return tick;
}

std::optional<QString> Playback::atReady() {
    using playback::AtReady;
    const bool clip = playback::isClip(m_media.duration());
    switch (playback::atReady(m_state.streamReached, m_state.reconnectState, clip)) {
    case AtReady::BringBack:
        // A live stream has no end of its own: it dropped, so bring it back.
        if (m_keeper->streamDropped(m_media.URL())) {
            return tr("Reconnecting...");
        }
        [[fallthrough]];
    case AtReady::FailedToConnect:
        m_state.streamReached = kStreamNotReached;
        return tr("Failed to Connect");
    case AtReady::Complete:
        return tr("Complete");
    case AtReady::TryOnceMore:
        // One more try, a second later; another station or a stop meanwhile wins.
        m_state.reconnectState = kReconnectUsed;
        m_media.stop();
        m_tryOnceMoreUrl = m_state.CurrentStation.streamUrl;
        m_tryOnceMore.start();
        return std::nullopt;
    }
    return std::nullopt;
}

void Playback::noteOnStatusLine(const QString& note) {
    m_note = note;
    m_noteTicks = kNoteTicks;
    emit statusLineNow(note);
}

bool Playback::canRecord() const {
    return m_recorder->recording() || m_media.streamTap() != nullptr;
}

bool Playback::recording() const {
    return m_recorder->recording();
}

void Playback::setRecording(bool on) {
    if (!on) {
        m_songRead.reset();
        m_recorder->stop();
        emit recordingChanged(false);
        noteOnStatusLine(tr("Recording stopped"));
        return;
    }
    StreamTap* tap = m_media.streamTap();
    if (tap == nullptr || m_recorder->recording()) {
        return;
    }
    // The song heard, from its start when that is kept: read first, then recorded.
    if (const auto heard = m_media.heardPlace()) {
        m_songRead =
            readHeardSong(*tap, *heard,
                          [this, tap = QPointer<StreamTap>(tap)](
                              const std::optional<Recorder::Preroll>& preroll) {
                              if (tap && tap == m_media.streamTap()) {
                                  startRecording(*tap, preroll.value_or(Recorder::Preroll{}));
                              }
                          });
        return;
    }
    startRecording(*tap, {});
}

void Playback::startRecording(StreamTap& tap, const Recorder::Preroll& preroll) {
    const QString refused =
        m_recorder->start(tap, m_state.shownStationName, m_media.URL(), preroll);
    emit recordingChanged(refused.isEmpty());
    noteOnStatusLine(refused.isEmpty() ? tr("Recording to %1").arg(m_recorder->shownFolder())
                                       : refused);
}

void Playback::release() {
    m_released = true;
    m_tryOnceMore.stop();
    m_keeper->cancel();
}

} // namespace lumo
