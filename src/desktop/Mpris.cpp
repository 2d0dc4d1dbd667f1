#include "desktop/Mpris.h"

#include "desktop/MprisHost.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <algorithm>
#include <cmath>

namespace lumo {

namespace {

constexpr const char* kPath = "/org/mpris/MediaPlayer2";
constexpr const char* kService = "org.mpris.MediaPlayer2.lumo";
constexpr int kPlaying = 3;
constexpr int kPaused = 2;

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

Mpris::Mpris(MprisHost& host, QObject* parent) : QObject(parent), m_host(host) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return; // no session bus: the player runs as before
    }
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    if (!bus.registerObject(QString::fromLatin1(kPath), this)) {
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
    case kPlaying:
        return QStringLiteral("Playing");
    case kPaused:
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
    if (const auto dash = title.indexOf(QStringLiteral(" - ")); dash > 0) {
        artist = title.left(dash).trimmed();
        title = title.mid(dash + 3).trimmed();
    }
    QVariantMap map{
        {QStringLiteral("mpris:trackid"),
         QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/Track/1")))},
        {QStringLiteral("xesam:title"), title.isEmpty() ? station : title},
        {QStringLiteral("xesam:album"), station},
    };
    if (!artist.isEmpty()) {
        map.insert(QStringLiteral("xesam:artist"), QStringList{artist});
    }
    if (const QString art = text(m_host.mprisArtUrl()); !art.isEmpty()) {
        map.insert(QStringLiteral("mpris:artUrl"), art);
    }
    return map;
}

double Mpris::volume() const {
    return m_host.mprisVolume() / 100.0;
}

// The knob has eleven steps: the nearest one is taken.
void Mpris::setVolume(double volume) {
    const double clamped = std::clamp(volume, 0.0, 1.0);
    m_host.mprisSetVolume(static_cast<int>(std::lround(clamped * 10)) * 10);
}

void Mpris::announceChanges() {
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

MprisRootAdaptor::MprisRootAdaptor(Mpris* mpris) : QDBusAbstractAdaptor(mpris), m_mpris(mpris) {}

void MprisRootAdaptor::Raise() {
    m_mpris->host().mprisRaise();
}

void MprisRootAdaptor::Quit() {
    m_mpris->host().mprisQuit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(Mpris* mpris)
    : QDBusAbstractAdaptor(mpris), m_mpris(mpris) {}

void MprisPlayerAdaptor::Play() {
    m_mpris->host().mprisPlay();
}

void MprisPlayerAdaptor::Pause() {
    m_mpris->host().mprisPause();
}

void MprisPlayerAdaptor::PlayPause() {
    if (m_mpris->host().mprisPlayState() == kPlaying) {
        m_mpris->host().mprisPause();
    } else {
        m_mpris->host().mprisPlay();
    }
}

void MprisPlayerAdaptor::Stop() {
    m_mpris->host().mprisStop();
}

} // namespace lumo
