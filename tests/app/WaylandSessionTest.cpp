// The real executable in a session with no X server: weston's headless compositor, started and
// stopped by the test, and nothing but its Wayland socket.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"

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
            GTEST_SKIP() << "weston is not installed: the Wayland-only start was not tried";
        }
        fs::permissions(runtime.path(), fs::perms::owner_all, fs::perm_options::replace);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(runtime.path()));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        compositor.setProcessEnvironment(environment);
        compositor.setProcessChannelMode(QProcess::MergedChannels);
        compositor.start(weston, {QStringLiteral("--backend=headless-backend.so"),
                                  QStringLiteral("--socket=lumo-test"),
                                  QStringLiteral("--idle-time=0"), QStringLiteral("--no-config")});
        if (!test::waitUntil([&] { return fs::exists(runtime.path() / "lumo-test"); }, 10000)) {
            GTEST_SKIP() << "weston could not start here: the Wayland-only start was not tried\n"
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
}

} // namespace
} // namespace lumo
