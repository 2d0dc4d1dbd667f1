// The real Lumo executable under a real window manager (openbox) on an X server of its own:
// the keyboard goes where the window manager puts the focus, and each window the player opens
// and closes gives the focus back to the player, as a listener working with the keyboard needs.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "XWindows.h"

#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

// Keys and clicks as a listener's: through the X server, to whichever window has the focus.
void xdotool(const QStringList& arguments) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0)
        << arguments.join(QLatin1Char(' ')).toStdString();
}

void key(const char* keys) {
    xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QLatin1String(keys)});
}

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.connected()) << "needs an X display (the suite gives this test its own)";
        ASSERT_FALSE(x.managed()) << "the display must be this test's own, without a manager";
        openbox.setProcessChannelMode(QProcess::ForwardedChannels);
        openbox.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        ASSERT_TRUE(openbox.waitForStarted(10000));
        ASSERT_TRUE(test::waitUntil([this] { return x.managed(); }, 10000));

        server.serve("/station.wav", {"audio/wav", test::sineWav(120)});
        server.serve("/other.wav", {"audio/wav", test::sineWav(120)});
        fs::copy_file(LUMO_EXECUTABLE, dir.path() / "Lumo");
        dir.write("DEFAULT", "\"RADIO\",\"Loopback FM\",\"\",\"" + server.url("/station.wav") +
                                 "\",\"NONE\"\r\n");
        dir.write("Lumo.csv", "\"RADIO\",\"Jazz\",\"Loopback FM\",\"NONE\",\"" +
                                  server.url("/station.wav") + "\",\"NONE\"\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.remove(QStringLiteral("LANGUAGE"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")); // no other player met
        lumo.setProcessEnvironment(environment);
        lumo.setProcessChannelMode(QProcess::ForwardedChannels);
        lumo.start(QString::fromStdString((dir.path() / "Lumo").string()), {});
        ASSERT_TRUE(lumo.waitForStarted(10000));
    }

    void TearDown() override {
        for (QProcess* process : {&lumo, &openbox}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    // Waits until the window manager has given the focus to a window titled `title` (other
    // than `not`), and returns it.
    unsigned long activeWindowTitled(const std::string& title, unsigned long other = 0) {
        std::optional<unsigned long> active;
        const bool found = test::waitUntil(
            [&] {
                active = x.activeWindow();
                return active && *active != other && x.title(*active) == title;
            },
            15000);
        EXPECT_TRUE(found) << "the focus is on \"" << (active ? x.title(*active) : "nothing")
                           << "\", not on \"" << title << "\"";
        return found ? *active : 0;
    }

    test::XWindows x;
    test::LoopbackHttpServer server;
    test::TempFolder dir;
    test::TempFolder home;
    QProcess openbox;
    QProcess lumo;
};

TEST_F(WindowManagerTest, EachWindowTakesTheFocusAndGivesItBackToThePlayer) {
    const unsigned long player = activeWindowTitled("Lumo");
    ASSERT_NE(player, 0u) << "the player has the focus when it starts";
    ASSERT_TRUE(test::waitUntil([&] { return server.requestCount("/station.wav") > 0; }, 20000));

    // F1: the help; closed as the window manager's close button does, the player is back.
    key("F1");
    const unsigned long help = activeWindowTitled("Lumo - Help");
    ASSERT_NE(help, 0u);
    x.requestClose(help);
    EXPECT_EQ(activeWindowTitled("Lumo"), player);

    // Ctrl+L: an address typed and played.
    key("ctrl+l");
    ASSERT_NE(activeWindowTitled("Open Address"), 0u);
    key("ctrl+a");
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("10"),
             QString::fromStdString(server.url("/other.wav"))});
    key("Return");
    EXPECT_EQ(activeWindowTitled("Lumo"), player);
    EXPECT_TRUE(test::waitUntil([&] { return server.requestCount("/other.wav") > 0; }, 20000));

    // The Stations button: the chooser takes the player's place and the focus, and gives both
    // back when it closes.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(player),
             QStringLiteral("236"), QStringLiteral("348"), QStringLiteral("click"),
             QStringLiteral("1")});
    const unsigned long chooser = activeWindowTitled("Lumo Stations List");
    ASSERT_NE(chooser, 0u);
    x.requestClose(chooser);
    EXPECT_EQ(activeWindowTitled("Lumo"), player);

    // Set as default: the message box has the focus (Return closes it), then the player again.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(player),
             QStringLiteral("277"), QStringLiteral("309"), QStringLiteral("click"),
             QStringLiteral("1")});
    ASSERT_NE(activeWindowTitled("Lumo", player), 0u) << "the message box has the focus";
    key("Return");
    EXPECT_EQ(activeWindowTitled("Lumo"), player);

    // Ctrl+Q ends the program as the shutdown button does.
    key("ctrl+q");
    ASSERT_TRUE(lumo.waitForFinished(15000));
    EXPECT_EQ(lumo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(lumo.exitCode(), 0);
}

} // namespace
} // namespace lumo
