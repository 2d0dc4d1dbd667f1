// Song notifications on a private session bus (the suite runs this under dbus-run-session),
// shown by a small notification service of the test's own on a connection of its own.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "Wav.h"
#include "app/TitleHistory.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QSettings>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// What a desktop's notification service is asked to show.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown {
        quint32 replaces;
        QString icon, summary, body;
        QVariantMap hints;
    };
    std::vector<Shown> shown;
public slots:
    quint32 Notify(const QString&, quint32 replaces, const QString& icon, const QString& summary,
                   const QString& body, const QStringList&, const QVariantMap& hints, qint32) {
        shown.push_back({replaces, icon, summary, body, hints});
        return replaces != 0 ? replaces : 41 + static_cast<quint32>(shown.size());
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
};

class SongNotificationTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected()) {
            FAIL() << "needs a session bus (the suite runs it under dbus-run-session)";
        }
        auto live = test::LoopbackHttpServer::Resource{"audio/wav", test::endlessSineWav(2, 22050),
                                                       false, 44100, test::kWavHeaderBytes};
        live.makeTitle = [this] { return "Artist - Song " + std::to_string(song.load()); };
        server.serve("/live", live);
        dir.write("DEFAULT", "\"RADIO\",\"Rock <b>FM</b> & Co\",\"\",\"" + server.url("/live") +
                                 "\",\"NONE\"\r\n");
        desktopBus = true;
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--network-caching=300"};
        window = makeWindowWithLibVlc(options);
        window->load();
        ASSERT_TRUE(test::waitUntil(
            [&] { return window->media().playState() == PlayState::Playing; }, 15000));
    }
    void TearDown() override {
        if (serving) {
            serviceBus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("notification service"));
    }

    void startService() {
        serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                  QDBusConnection::ExportAllSlots);
        serving = serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications"));
        ASSERT_TRUE(serving);
    }
    // The station sends song `n`; true once the player has taken it in.
    bool nextSong(int n) {
        song = n;
        return test::waitUntil(
            [&] {
                const auto& titles = window->songTitles().history().titles();
                return !titles.empty() &&
                       titles.front().title == "Artist - Song " + std::to_string(n);
            },
            15000);
    }
    // Another window of the desktop takes the focus (true), or the player does (false).
    bool elsewhere(bool away) {
        if (away) {
            other.show();
            other.activateWindow();
        } else {
            window->activateWindow();
        }
        return test::waitUntil([&] { return window->isActiveWindow() != away; }, 5000);
    }

    test::LoopbackHttpServer server;
    std::atomic<int> song{1};
    std::unique_ptr<PlayerWindow> window;
    QWidget other;
    NotificationService service;
    QDBusConnection serviceBus = QDBusConnection::connectToBus(
        QDBusConnection::SessionBus, QStringLiteral("notification service"));
    bool serving = false;
};

TEST_F(SongNotificationTest, EachNewSongReplacesTheLastWhileTheWindowIsElsewhere) {
    ASSERT_TRUE(elsewhere(true));
    // No service on the bus: the song is kept among the titles heard and nothing else happens.
    ASSERT_TRUE(nextSong(1));
    startService();
    ASSERT_TRUE(nextSong(2));
    ASSERT_TRUE(test::waitUntil([&] { return service.shown.size() == 1; }, 5000));
    EXPECT_EQ(service.shown[0].replaces, 0U);
    EXPECT_EQ(service.shown[0].summary, QStringLiteral("Artist - Song 2"));
    // The body may be taken as markup: the station's name is escaped.
    EXPECT_EQ(service.shown[0].body, QStringLiteral("Rock &lt;b&gt;FM&lt;/b&gt; &amp; Co"));
    EXPECT_EQ(service.shown[0].icon, QStringLiteral(LUMO_APP_ID));
    EXPECT_EQ(service.shown[0].hints.value(QStringLiteral("desktop-entry")).toString(),
              QStringLiteral(LUMO_APP_ID));

    ASSERT_TRUE(nextSong(3));
    ASSERT_TRUE(test::waitUntil([&] { return service.shown.size() == 2; }, 5000));
    EXPECT_EQ(service.shown[1].replaces, 42U);
    EXPECT_EQ(service.shown[1].summary, QStringLiteral("Artist - Song 3"));

    // Switched off, and remembered; then on again, but the listener is looking at the player.
    window->songTitles().setNotifications(false);
    EXPECT_TRUE(test::waitUntil(
        [&] {
            return !QSettings(QString::fromStdString(dir.path().string() + "/SETTINGS"),
                              QSettings::IniFormat)
                        .value(QStringLiteral("songNotifications"), true)
                        .toBool();
        },
        5000));
    ASSERT_TRUE(nextSong(4));
    window->songTitles().setNotifications(true);
    ASSERT_TRUE(elsewhere(false));
    ASSERT_TRUE(nextSong(5));
    ASSERT_TRUE(elsewhere(true));
    ASSERT_TRUE(nextSong(6));
    // The bus keeps order: had songs 4 or 5 been sent, they would have come before 6.
    ASSERT_TRUE(test::waitUntil([&] { return service.shown.size() >= 3; }, 5000));
    ASSERT_EQ(service.shown.size(), 3U);
    EXPECT_EQ(service.shown[2].summary, QStringLiteral("Artist - Song 6"));
    EXPECT_EQ(service.shown[2].replaces, 42U);
    EXPECT_EQ(window->media().playState(), PlayState::Playing);
}

} // namespace
} // namespace lumo

#include "SongNotificationTest.moc"
