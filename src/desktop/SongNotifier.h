#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <optional>

namespace lumo {

// Tells the desktop of each new song through its notification service
// (org.freedesktop.Notifications): the title as summary, the station as body, the program's
// icon. Each notification replaces the one before instead of stacking. The call is sent and
// its answer (the notification's number, for the next one to replace) comes later as an
// event; a song that changes while one is on its way waits for that answer, so only the newest
// follows. No bus or no service: the answer is an error, and nothing more happens.
class SongNotifier : public QObject {
    Q_OBJECT
public:
    // Longest summary or body sent, in characters.
    static constexpr int kLongest = 200;

    explicit SongNotifier(QDBusConnection bus, QObject* parent = nullptr);

    // `icon`: a picture file of the station's (its logo), or empty for the program's icon.
    void notify(const QString& title, const QString& station, const QString& icon = {});
    // The service's number for the last notification shown (0 before one).
    quint32 shownId() const { return m_id; }

private:
    struct Song {
        QString title;
        QString station;
        QString icon;
    };
    void send(const Song& song);

    QDBusConnection m_bus;
    quint32 m_id = 0;
    bool m_sending = false;
    std::optional<Song> m_next;
};

} // namespace lumo
