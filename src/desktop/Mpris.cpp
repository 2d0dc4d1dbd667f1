#include "desktop/Mpris.h"

#include "desktop/MprisHost.h"
#include "desktop/MprisObject.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace lumo {

namespace {

constexpr const char* kPath = "/org/mpris/MediaPlayer2";
constexpr const char* kService = "org.mpris.MediaPlayer2.lumo";
// Track ids live under the program's own path; /org/mpris is reserved for MPRIS itself.
constexpr const char* kTrackPath = "/org/lumoplayer/Lumo/Track/";

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

Mpris::Mpris(MprisHost& host, QObject* parent) : QObject(parent), m_host(host) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return; // no session bus: the player runs as before
    }
    m_object = new MprisObject(*this);
    if (!bus.registerVirtualObject(QString::fromLatin1(kPath), m_object)) {
        return;
    }
    m_service = QString::fromLatin1(kService);
    if (!bus.registerService(m_service)) {
        // Another Lumo has the name: this one is an instance of its own.
        m_service += QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid());
        if (!bus.registerService(m_service)) {
            bus.unregisterObject(QString::fromLatin1(kPath));
            return;
        }
    }
    m_registered = true;
    m_announced = {{QStringLiteral("PlaybackStatus"), playbackStatus()},
                   {QStringLiteral("Metadata"), metadata()},
                   {QStringLiteral("Volume"), volume()}};
    m_watch.setInterval(500);
    connect(&m_watch, &QTimer::timeout, this, &Mpris::announceChanges);
    m_watch.start();
}

Mpris::~Mpris() {
    if (m_registered) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(m_service);
        bus.unregisterObject(QString::fromLatin1(kPath));
    }
}

QString Mpris::playbackStatus() const {
    switch (m_host.mprisPlayState()) {
    case PlayState::Playing:
        return QStringLiteral("Playing");
    case PlayState::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

// The title the station sends, split into artist and title where it says "artist - title";
// the station's name otherwise, and as the album.
QVariantMap Mpris::metadata() const {
    const QString station = text(m_host.mprisStationName());
    QString title = text(m_host.mprisNowPlaying());
    QString artist;
    if (const QString key = station + QLatin1Char('\n') + title; key != m_trackKey) {
        m_trackKey = key;
        ++m_track;
    }
    if (const auto dash = title.indexOf(QStringLiteral(" - ")); dash > 0) {
        artist = title.left(dash).trimmed();
        title = title.mid(dash + 3).trimmed();
    }
    QVariantMap map{
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(
             QDBusObjectPath(QLatin1String(kTrackPath) + QString::number(m_track)))},
        {QStringLiteral("xesam:title"), title.isEmpty() ? station : title},
        {QStringLiteral("xesam:album"), station},
    };
    if (!artist.isEmpty()) {
        map.insert(QStringLiteral("xesam:artist"), QStringList{artist});
    }
    if (const QString art = text(m_host.mprisArtUrl()); !art.isEmpty()) {
        map.insert(QStringLiteral("mpris:artUrl"),
                   QUrl::fromLocalFile(art).toString(QUrl::FullyEncoded));
    }
    if (const double length = m_host.mprisLength(); length > 0) {
        map.insert(QStringLiteral("mpris:length"),
                   static_cast<qlonglong>(std::llround(length * 1e6)));
    }
    return map;
}

double Mpris::volume() const {
    return m_host.mprisVolume() / 100.0;
}

// The knob has eleven steps: the nearest one is taken. A volume that is no number is no
// request.
void Mpris::setVolume(double volume) {
    if (std::isnan(volume)) {
        return;
    }
    const double clamped = std::clamp(volume, 0.0, 1.0);
    m_host.mprisSetVolume(static_cast<int>(std::lround(clamped * 10)) * 10);
}

qlonglong Mpris::position() const {
    return static_cast<qlonglong>(std::llround(std::max(0.0, m_host.mprisPosition()) * 1e6));
}

void Mpris::announceChanges() {
    // A clip whose clock went back (it was played again from its start) has been sought.
    const qlonglong at = position();
    if (at + 1'000'000 < m_lastPosition) {
        QDBusMessage seeked = QDBusMessage::createSignal(
            QString::fromLatin1(kPath), QStringLiteral("org.mpris.MediaPlayer2.Player"),
            QStringLiteral("Seeked"));
        seeked << at;
        QDBusConnection::sessionBus().send(seeked);
    }
    m_lastPosition = at;
    const QVariantMap now{{QStringLiteral("PlaybackStatus"), playbackStatus()},
                          {QStringLiteral("Metadata"), metadata()},
                          {QStringLiteral("Volume"), volume()}};
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value()) {
            changed.insert(it.key(), it.value());
        }
    }
    if (changed.isEmpty()) {
        return;
    }
    m_announced = now;
    QDBusMessage signal = QDBusMessage::createSignal(
        QString::fromLatin1(kPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

void Mpris::playPause() {
    if (m_host.mprisPlayState() == PlayState::Playing) {
        m_host.mprisPause();
    } else {
        m_host.mprisPlay();
    }
}

} // namespace lumo
