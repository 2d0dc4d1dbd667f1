#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

namespace lumo {

class MprisHost;
class MprisObject;

// The player on the session bus as MPRIS 2 (org.mpris.MediaPlayer2.lumo), so desktop shells,
// media keys, lock screens and phone remotes can see and drive it. Without a session bus it
// does nothing.
class Mpris : public QObject {
    Q_OBJECT
public:
    explicit Mpris(MprisHost& host, QObject* parent = nullptr);
    ~Mpris() override;

    bool registered() const { return m_registered; }
    MprisHost& host() { return m_host; }

    QString playbackStatus() const;
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double volume);
    void playPause();
    // How far into a clip the player is, in microseconds; 0 for a live stream.
    qlonglong position() const;

private:
    // Announces what changed since the last look (every 500 ms), and a clip that started
    // again as a seek.
    void announceChanges();

    MprisHost& m_host;
    MprisObject* m_object = nullptr;
    bool m_registered = false;
    QString m_service;
    QTimer m_watch;
    QVariantMap m_announced;
    qlonglong m_lastPosition = 0;
    // The track id names what is playing: a new one for each title or station.
    mutable QString m_trackKey;
    mutable int m_track = 0;
};

} // namespace lumo
