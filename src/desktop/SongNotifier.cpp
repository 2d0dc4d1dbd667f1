#include "desktop/SongNotifier.h"

#include "net/StationText.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QUrl>
#include <QVariantMap>

namespace lumo {

namespace {

constexpr int kCallMilliseconds = 5000;

} // namespace

SongNotifier::SongNotifier(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)) {}

void SongNotifier::notify(const QString& title, const QString& station, const QString& icon) {
    if (!m_bus.isConnected()) {
        return;
    }
    Song song{cleanStationText(title, kLongest), cleanStationText(station, kLongest),
              icon.isEmpty() ? QStringLiteral(LUMO_APP_ID) : QUrl::fromLocalFile(icon).toString()};
    if (m_sending) {
        m_next = std::move(song); // goes once the one on its way has its number
        return;
    }
    send(song);
}

void SongNotifier::send(const Song& song) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral(LUMO_APP_ID)},
        {QStringLiteral("category"), QStringLiteral("x-lumo.song")},
    };
    // The body may be read as markup by the service; the summary never is.
    call << QStringLiteral("Lumoplay") << m_id << song.icon << song.title
         << song.station.toHtmlEscaped() << QStringList{} << hints << qint32{-1};
    m_sending = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kCallMilliseconds), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<quint32> reply = *w;
        if (reply.isValid()) {
            m_id = reply.value();
        }
        m_sending = false;
        if (m_next) {
            const Song next = *std::exchange(m_next, std::nullopt);
            send(next);
        }
    });
}

} // namespace lumo
