#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

namespace lumo {

class MprisHost;
class MprisPlayerAdaptor;

// The player on the session bus as MPRIS 2 (org.mpris.MediaPlayer2.lumo), so desktop shells,
// media keys, lock screens and phone remotes can see and drive it. Without a session bus it
// does nothing. Calls are answered in its name (QDBusContext), its adaptors' too.
class Mpris : public QObject, public QDBusContext {
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
    // How far into a clip the player is, in microseconds; 0 for a live stream.
    qlonglong position() const;

private:
    // Announces what changed since the last look (every 500 ms), and a clip that started
    // again as a seek.
    void announceChanges();

    MprisHost& m_host;
    MprisPlayerAdaptor* m_player = nullptr;
    bool m_registered = false;
    QString m_service;
    QTimer m_watch;
    QVariantMap m_announced;
    qlonglong m_lastPosition = 0;
    // The track id names what is playing: a new one for each title or station.
    mutable QString m_trackKey;
    mutable int m_track = 0;
};

class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ canQuit)
    Q_PROPERTY(bool CanRaise READ canRaise)
    Q_PROPERTY(bool HasTrackList READ hasTrackList)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ schemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ none)
public:
    explicit MprisRootAdaptor(Mpris* mpris);
    bool canQuit() const { return true; }
    bool canRaise() const { return true; }
    bool hasTrackList() const { return false; }
    // The name the desktop entry gives the program.
    QString identity() const { return QStringLiteral("Lumoplay"); }
    QString desktopEntry() const { return QStringLiteral(LUMO_APP_ID); }
    QStringList schemes() const { return {QStringLiteral("http"), QStringLiteral("https")}; }
    QStringList none() const { return {}; }
public slots:
    void Raise();
    void Quit();

private:
    Mpris* m_mpris;
};

class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    // Writable, as clients expect; 1.0 is the only rate a live stream has.
    Q_PROPERTY(double Rate READ one WRITE setRate)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ no)
    Q_PROPERTY(bool CanGoPrevious READ no)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanControl READ yes)
public:
    explicit MprisPlayerAdaptor(Mpris* mpris);
    QString playbackStatus() const { return m_mpris->playbackStatus(); }
    QVariantMap metadata() const { return m_mpris->metadata(); }
    double volume() const { return m_mpris->volume(); }
    void setVolume(double volume) { m_mpris->setVolume(volume); }
    double one() const { return 1.0; }
    void setRate(double) {}
    qlonglong position() const { return m_mpris->position(); }
    bool yes() const { return true; }
    bool no() const { return false; }
public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next() {}
    void Previous() {}
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath&, qlonglong) {}
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong Position);

private:
    Mpris* m_mpris;
};

} // namespace lumo
