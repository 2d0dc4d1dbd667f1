// The player on a real session bus (the suite runs this under dbus-run-session), driven and
// watched by clients as a desktop shell would: dbus-send, and a connection of its own.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "Wav.h"
#include "platform/AppFolder.h"
#include "platform/ClickLabel.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// Records the positions the player announces with Seeked.
class SeekRecorder : public QObject {
    Q_OBJECT
public:
    QList<qlonglong> seen;
public slots:
    void seeked(qlonglong position) { seen << position; }
};

// Records the player's PlaybackStatus as PropertiesChanged announces it.
class StatusRecorder : public QObject {
    Q_OBJECT
public:
    QStringList seen;
public slots:
    void changed(const QString&, const QVariantMap& properties, const QStringList&) {
        if (properties.contains(QStringLiteral("PlaybackStatus"))) {
            seen << properties.value(QStringLiteral("PlaybackStatus")).toString();
        }
    }
};

class MprisTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        if (!QDBusConnection::sessionBus().isConnected()) {
            FAIL() << "needs a session bus (the suite runs it under dbus-run-session)";
        }
        auto live = test::LoopbackHttpServer::Resource{"audio/wav", test::endlessSineWav(2, 22050),
                                                       false, 44100, test::kWavHeaderBytes};
        // Cleaned where it enters: the window, the bus and the titles heard see the same text.
        live.icyTitle = "Loopback Artist -\nLoopback\x1b\x01Song\x01";
        server.serve("/live", live);
        dir.write("DEFAULT",
                  "\"RADIO\",\"Bus FM\",\"\",\"" + server.url("/live") + "\",\"NONE\"\r\n");
        desktopBus = true;
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--network-caching=300"};
        window = makeWindowWithLibVlc(options);
        window->load();
        ASSERT_TRUE(reaches(PlayState::Playing));
    }

    bool reaches(PlayState playState) {
        return test::waitUntil([&] { return window->media().playState() == playState; }, 15000);
    }

    // dbus-send to the player, the window's events running meanwhile; its printed reply.
    std::string send(const QStringList& call) {
        QProcess client;
        client.start(QStringLiteral("dbus-send"),
                     QStringList{QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                 QStringLiteral("--dest=org.mpris.MediaPlayer2.lumo"),
                                 QStringLiteral("/org/mpris/MediaPlayer2")} +
                         call);
        test::waitUntil([&] { return client.state() == QProcess::NotRunning; }, 10000);
        return client.readAllStandardOutput().toStdString();
    }
    std::string property(const char* interface, const char* name) {
        return send({QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                     QStringLiteral("string:%1").arg(QLatin1String(interface)),
                     QStringLiteral("string:%1").arg(QLatin1String(name))});
    }
    std::string player(const char* name) { return property("org.mpris.MediaPlayer2.Player", name); }

    // A client program run to its end, the window's events running meanwhile: its exit code
    // and what it printed (standard output, then errors).
    struct Ran {
        int exitCode;
        std::string output;
    };
    Ran run(const QString& program, const QStringList& arguments) {
        QProcess client;
        client.start(program, arguments);
        test::waitUntil([&] { return client.state() == QProcess::NotRunning; }, 10000);
        return {client.exitCode(),
                (client.readAllStandardOutput() + client.readAllStandardError()).toStdString()};
    }
    Ran playerctl(const QStringList& arguments) {
        return run(QStringLiteral("playerctl"),
                   QStringList{QStringLiteral("--player=lumo")} + arguments);
    }
    Ran setPlayerProperty(const char* name, const char* variant) {
        return run(QStringLiteral("dbus-send"),
                   {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                    QStringLiteral("--dest=org.mpris.MediaPlayer2.lumo"),
                    QStringLiteral("/org/mpris/MediaPlayer2"),
                    QStringLiteral("org.freedesktop.DBus.Properties.Set"),
                    QStringLiteral("string:org.mpris.MediaPlayer2.Player"),
                    QStringLiteral("string:%1").arg(QLatin1String(name)),
                    QStringLiteral("variant:%1").arg(QLatin1String(variant))});
    }

    test::LoopbackHttpServer server;
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(MprisTest, ClientsSeeTheStateAndTitleAndDriveThePlayer) {
    EXPECT_NE(property("org.mpris.MediaPlayer2", "Identity").find("\"Lumoplay\""),
              std::string::npos);
    EXPECT_NE(player("PlaybackStatus").find("\"Playing\""), std::string::npos);
    ASSERT_TRUE(test::waitUntil(
        [&] { return player("Metadata").find("Loopback Song") != std::string::npos; }, 15000));
    const std::string metadata = player("Metadata");
    EXPECT_NE(metadata.find("\"Loopback Artist\""), std::string::npos) << metadata;
    EXPECT_NE(metadata.find("\"Loopback Song\""), std::string::npos) << metadata;
    EXPECT_NE(metadata.find("\"Bus FM\""), std::string::npos) << metadata;
    EXPECT_TRUE(test::waitUntil(
        [&] { return window->Label1->text() == QLatin1String("Loopback Artist - Loopback Song"); },
        5000))
        << window->Label1->text().toStdString();
    EXPECT_TRUE(test::waitUntil(
        [&] {
            return readWholeFile(dir.path() / "TITLES")
                       .value_or("")
                       .find("\"Loopback Artist - Loopback Song\"") != std::string::npos;
        },
        5000));

    // The pause button, watched from another connection as a shell watches.
    StatusRecorder recorder;
    QDBusConnection observer =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("observer"));
    ASSERT_TRUE(observer.connect(
        QStringLiteral("org.mpris.MediaPlayer2.lumo"), QStringLiteral("/org/mpris/MediaPlayer2"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"),
        &recorder, SLOT(changed(QString, QVariantMap, QStringList))));
    QTest::mouseClick(window->Image25, Qt::LeftButton);
    EXPECT_TRUE(test::waitUntil([&] { return recorder.seen.contains("Paused"); }, 5000))
        << recorder.seen.join(',').toStdString();

    // The client's calls move the window.
    send({QStringLiteral("org.mpris.MediaPlayer2.Player.Play")});
    EXPECT_TRUE(reaches(PlayState::Playing));
    send({QStringLiteral("org.mpris.MediaPlayer2.Player.Pause")});
    EXPECT_TRUE(reaches(PlayState::Paused));
    send({QStringLiteral("org.mpris.MediaPlayer2.Player.PlayPause")});
    EXPECT_TRUE(reaches(PlayState::Playing));
    send({QStringLiteral("org.mpris.MediaPlayer2.Player.Stop")});
    EXPECT_TRUE(reaches(PlayState::Stopped));
    EXPECT_TRUE(test::waitUntil([&] { return recorder.seen.contains("Stopped"); }, 5000));

    // Volume 0.5 is the knob's middle step.
    send({QStringLiteral("org.freedesktop.DBus.Properties.Set"),
          QStringLiteral("string:org.mpris.MediaPlayer2.Player"), QStringLiteral("string:Volume"),
          QStringLiteral("variant:double:0.5")});
    EXPECT_EQ(state.volumeLevel, 50);
    EXPECT_EQ(window->volumeKnobTopTwips(), 2780);
    EXPECT_NE(player("Volume").find("double 0.5"), std::string::npos);

    // Two clients a moment apart (playerctl volume 0.0 & sleep 0.2; playerctl volume 1.0): the
    // request that came last has the last word.
    auto setVolume = [](QProcess& client, const char* value) {
        client.start(QStringLiteral("dbus-send"),
                     {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                      QStringLiteral("--dest=org.mpris.MediaPlayer2.lumo"),
                      QStringLiteral("/org/mpris/MediaPlayer2"),
                      QStringLiteral("org.freedesktop.DBus.Properties.Set"),
                      QStringLiteral("string:org.mpris.MediaPlayer2.Player"),
                      QStringLiteral("string:Volume"),
                      QStringLiteral("variant:double:%1").arg(QLatin1String(value))});
    };
    QProcess first;
    QProcess second;
    setVolume(first, "0.0");
    test::runFor(200);
    setVolume(second, "1.0");
    ASSERT_TRUE(test::waitUntil(
        [&] {
            return first.state() == QProcess::NotRunning && second.state() == QProcess::NotRunning;
        },
        10000));
    test::runFor(1500); // longer than ten paced steps would take
    EXPECT_EQ(state.volumeLevel, 100);
    EXPECT_EQ(window->volumeKnobTopTwips(), 2280);
    QDBusConnection::disconnectFromBus(QStringLiteral("observer"));
}

// What a desktop's tools do with a player: open an address, read a clip's length and position,
// watch for seeks, and set properties, right or wrong.
TEST_F(MprisTest, AnOpenedClipHasALengthAPositionAndSeeksWhenItStartsAgain) {
    server.serve("/clip.wav", {"audio/wav", test::sineWav(60)});
    const std::string liveTrack = playerctl({"metadata", "mpris:trackid"}).output;
    EXPECT_NE(liveTrack.find("/org/lumoplayer/Lumo/Track/"), std::string::npos) << liveTrack;
    EXPECT_EQ(playerctl({"metadata", "mpris:length"}).exitCode, 1) << "a live stream has none";

    // Only addresses of stations are opened.
    for (const char* refused : {"file:///etc/passwd", "v4l2:///dev/video0", "ftp://127.0.0.1/x"}) {
        const Ran opened = run(QStringLiteral("dbus-send"),
                               {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                QStringLiteral("--dest=org.mpris.MediaPlayer2.lumo"),
                                QStringLiteral("/org/mpris/MediaPlayer2"),
                                QStringLiteral("org.mpris.MediaPlayer2.Player.OpenUri"),
                                QStringLiteral("string:%1").arg(QLatin1String(refused))});
        EXPECT_NE(opened.output.find("org.freedesktop.DBus.Error.InvalidArgs"), std::string::npos)
            << refused << ": " << opened.output;
    }
    EXPECT_EQ(window->media().URL(), server.url("/live"));

    const std::string clip = server.url("/clip.wav");
    EXPECT_EQ(playerctl({"open", QString::fromStdString(clip)}).exitCode, 0);
    ASSERT_TRUE(test::waitUntil(
        [&] {
            return window->media().URL() == clip &&
                   window->media().playState() == PlayState::Playing;
        },
        15000));
    ASSERT_TRUE(test::waitUntil(
        [&] {
            return playerctl({"metadata", "mpris:length"}).output == "60000000\n";
        },
        10000))
        << playerctl({"metadata", "mpris:length"}).output;
    EXPECT_NE(playerctl({"metadata", "mpris:trackid"}).output, liveTrack);
    EXPECT_NE(playerctl({"metadata", "xesam:album"}).output.find(clip), std::string::npos);
    ASSERT_TRUE(test::waitUntil(
        [&] { return std::stod("0" + playerctl({"position"}).output) > 1.5; }, 15000))
        << playerctl({"position"}).output;

    // Played again from its start: watchers are told of the jump.
    SeekRecorder seeks;
    QDBusConnection observer =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("seeks"));
    ASSERT_TRUE(observer.connect(QStringLiteral("org.mpris.MediaPlayer2.lumo"),
                                 QStringLiteral("/org/mpris/MediaPlayer2"),
                                 QStringLiteral("org.mpris.MediaPlayer2.Player"),
                                 QStringLiteral("Seeked"), &seeks, SLOT(seeked(qlonglong))));
    EXPECT_EQ(playerctl({"stop"}).exitCode, 0);
    EXPECT_EQ(playerctl({"play"}).exitCode, 0);
    EXPECT_TRUE(test::waitUntil([&] { return !seeks.seen.isEmpty(); }, 15000));
    EXPECT_LT(seeks.seen.value(0, -1), 1'000'000);
    QDBusConnection::disconnectFromBus(QStringLiteral("seeks"));

    // Rate can be set to the one rate there is; a wrongly typed value or no number changes
    // nothing, and the wrong type is said to be one.
    EXPECT_EQ(setPlayerProperty("Rate", "double:1.0").exitCode, 0);
    EXPECT_NE(player("Rate").find("double 1"), std::string::npos);
    const int level = state.volumeLevel;
    for (const char* wrong : {"string:loud", "boolean:true", "int32:1"}) {
        const Ran set = setPlayerProperty("Volume", wrong);
        EXPECT_NE(set.output.find("org.freedesktop.DBus.Error.InvalidArgs"), std::string::npos)
            << wrong << ": " << set.output;
    }
    EXPECT_NE(setPlayerProperty("Identity", "string:x").output.find("Error"), std::string::npos);

    // The object describes itself, as proxies and shells ask it to.
    const std::string described =
        send({QStringLiteral("org.freedesktop.DBus.Introspectable.Introspect")});
    EXPECT_NE(described.find("<property name=\"Volume\" type=\"d\" access=\"readwrite\"/>"),
              std::string::npos)
        << described;
    EXPECT_EQ(setPlayerProperty("Volume", "double:nan").exitCode, 0);
    EXPECT_EQ(state.volumeLevel, level);
}

} // namespace
} // namespace lumo

#include "MprisTest.moc"
