// The real executable in a session with no X server: weston's headless compositor, started and
// stopped by the test, and nothing but its Wayland socket.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

class WaylandSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty()) {
            FAIL() << "weston is not installed (the test command installs it)";
        }
        fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(runtime.path()));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        compositor.setProcessEnvironment(environment);
        // A plain green desktop, no panel: what shows through the player's cut-away corners.
        runtime.write("weston.ini", "[shell]\nbackground-color=0xff00c000\npanel-position=none\n");
        compositor.setProcessChannelMode(QProcess::MergedChannels);
        // Drawn in memory (pixman), with the screenshot interface on (--debug).
        compositor.start(weston,
                         {QStringLiteral("--backend=headless-backend.so"),
                          QStringLiteral("--use-pixman"), QStringLiteral("--debug"),
                          QStringLiteral("--width=640"), QStringLiteral("--height=480"),
                          QStringLiteral("--socket=lumo-test"), QStringLiteral("--idle-time=0"),
                          QStringLiteral("--config=") + path(runtime.path() / "weston.ini")});
        if (!test::waitUntil([&] { return fs::exists(runtime.path() / "lumo-test"); }, 10000)) {
            FAIL() << "weston (installed by the test command) did not start\n"
                   << compositor.readAll().toStdString();
        }
        session = environment;
        session.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("lumo-test"));
        session.remove(QStringLiteral("QT_QPA_PLATFORM"));
        session.insert(QStringLiteral("HOME"), path(home.path()));
    }
    void TearDown() override {
        for (QProcess* process : {&lumo, &compositor}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }
    static QString path(const fs::path& p) { return QString::fromStdString(p.string()); }

    test::TempFolder runtime;
    test::TempFolder home;
    test::TempFolder dir;
    test::TempFolder shots;
    test::LoopbackHttpServer server;
    QProcessEnvironment session;
    QProcess compositor;
    QProcess lumo;
};

TEST_F(WaylandSessionTest, WithoutAnXServerThePlayerStartsOnWaylandAndPlays) {
    server.serve("/station.wav", {"audio/wav", test::sineWav(60)});
    fs::copy_file(LUMO_EXECUTABLE, dir.path() / "Lumo");
    dir.write("DEFAULT",
              "\"RADIO\",\"Wayland FM\",\"\",\"" + server.url("/station.wav") + "\",\"NONE\"\r\n");
    lumo.setProcessEnvironment(session);
    lumo.setProcessChannelMode(QProcess::ForwardedChannels);
    lumo.start(path(dir.path() / "Lumo"), {});
    ASSERT_TRUE(lumo.waitForStarted(10000));
    EXPECT_TRUE(test::waitUntil([&] { return server.requestCount("/station.wav") > 0; }, 20000))
        << "the default station was never asked for";
    test::runFor(1000); // what follows the first buffers: the window shown, the status ticking
    EXPECT_EQ(lumo.state(), QProcess::Running) << "exit " << lumo.exitCode();

    // What the compositor shows: the skin, and no key colour where the outline is cut away.
    QProcess screenshooter;
    screenshooter.setProcessEnvironment(session);
    screenshooter.setWorkingDirectory(path(shots.path()));
    screenshooter.setProcessChannelMode(QProcess::MergedChannels);
    screenshooter.start(QStringLiteral("weston-screenshooter"), {});
    ASSERT_TRUE(screenshooter.waitForFinished(10000));
    const auto shot = fs::directory_iterator(shots.path());
    ASSERT_NE(shot, fs::directory_iterator())
        << "weston-screenshooter wrote nothing: " << screenshooter.readAll().toStdString();
    const QImage screen(path(shot->path()));
    ASSERT_FALSE(screen.isNull());
    // The picture's place is black until there is a picture; the window lies around it.
    QRect video;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if ((screen.pixel(x, y) & 0xffffff) == 0) {
                video |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_GT(video.width(), 200) << "the video area is not black";
    const QPoint window = video.topLeft() - QPoint(31, 127); // where the picture's place lies
    const QRgb desktop = 0x00c000;
    EXPECT_EQ(screen.pixel(window + QPoint(1, 1)) & 0xffffff, desktop)
        << "the cut-away corner shows the desktop";
    EXPECT_EQ(screen.pixel(window + QPoint(297, 1)) & 0xffffff, desktop);
    EXPECT_NE(screen.pixel(window + QPoint(150, 4)) & 0xffffff, desktop) << "the skin's top";
}

} // namespace
} // namespace lumo
