// The real Lumo executable in a temporary application folder, in a real X window under Xvfb.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "XWindows.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

class RealWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY") ||
            QGuiApplication::platformName() != QLatin1String("xcb") || !x.connected()) {
            GTEST_SKIP() << "needs an X display (the suite runs under Xvfb)";
        }
        server.serve("/station.wav", {"audio/wav", test::sineWav(60)});
        fs::copy_file(LUMO_EXECUTABLE, dir.path() / "Lumo");
        dir.write("DEFAULT", "\"RADIO\",\"Loopback FM\",\"\",\"" + server.url("/station.wav") +
                                 "\",\"NONE\"\r\n");
        dir.write("ADS/AD1.jpg", "advert");
        dir.write("ADS/AD2.jpg", "advert");
        lumo.setProgram(QString::fromStdString((dir.path() / "Lumo").string()));
        // Its desktop entries go to a home of its own, with a desktop folder.
        fs::create_directories(home.path() / "Desktop");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
        lumo.setProcessEnvironment(environment);
        lumo.setProcessChannelMode(QProcess::ForwardedChannels);
        lumo.start();
        ASSERT_TRUE(lumo.waitForStarted(10000));
    }

    void TearDown() override {
        if (lumo.state() != QProcess::NotRunning) {
            lumo.kill();
            lumo.waitForFinished(5000);
        }
    }

    test::XWindows x;
    test::LoopbackHttpServer server;
    test::TempFolder dir;
    test::TempFolder home;
    QProcess lumo;
};

TEST_F(RealWindowTest, TheShapedWindowShowsTheSkinPlaysAndClosesCleanly) {
    std::optional<unsigned long> window;
    ASSERT_TRUE(
        test::waitUntil([&] { return (window = x.findWindow("Lumo")).has_value(); }, 20000));
    const QRect where = x.geometry(*window);
    EXPECT_EQ(where.size(), QSize(299, 381));
    EXPECT_TRUE(test::waitUntil([&] { return server.requestCount("/station.wav") > 0; }, 20000))
        << "the default station's stream was never asked for";

    // Let a few status ticks fill the labels, so the screenshot shows a playing player.
    test::waitUntil([] { return false; }, 1500);
    const QImage skin(QStringLiteral(LUMO_ASSETS_DIR "/images/skin.png"));
    ASSERT_FALSE(skin.isNull());
    QImage shot;
    // Bare skin wherever no control covers it.
    const QPoint bare[] = {{5, 100}, {292, 200}, {150, 292}, {92, 10}};
    auto showsSkin = [&] {
        shot = QGuiApplication::primaryScreen()
                   ->grabWindow(0, where.x(), where.y(), where.width(), where.height())
                   .toImage();
        return std::ranges::all_of(bare, [&](QPoint p) {
            return (shot.pixel(p) & 0xffffff) == (skin.pixel(p) & 0xffffff);
        });
    };
    const bool skinShown = test::waitUntil(showsSkin, 10000);
    QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
    shot.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/player-window.png"));
    EXPECT_TRUE(skinShown);
    for (QPoint p : bare) {
        EXPECT_EQ(shot.pixel(p) & 0xffffff, skin.pixel(p) & 0xffffff) << p.x() << "," << p.y();
    }

    // The outline is cut from the skin: where the skin has its outside colour, the screen
    // behind the window shows, not the skin's corners.
    const QRgb outside = skin.pixel(0, 0) & 0xffffff;
    for (QPoint corner : {QPoint(0, 0), QPoint(298, 0), QPoint(0, 380), QPoint(298, 380)}) {
        EXPECT_EQ(skin.pixel(corner) & 0xffffff, outside);
        EXPECT_NE(shot.pixel(corner) & 0xffffff, outside) << corner.x() << "," << corner.y();
    }

    x.requestClose(*window);
    ASSERT_TRUE(test::waitUntil([&] { return lumo.state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(lumo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(lumo.exitCode(), 0);
    EXPECT_TRUE(fs::is_directory(dir.path() / "ADS"));
    EXPECT_TRUE(fs::is_empty(dir.path() / "ADS"));

    // Every start asks for the desktop entry: after a second one, still one in each folder.
    lumo.start();
    ASSERT_TRUE(lumo.waitForStarted(10000));
    ASSERT_TRUE(
        test::waitUntil([&] { return (window = x.findWindow("Lumo")).has_value(); }, 20000));
    x.requestClose(*window);
    ASSERT_TRUE(test::waitUntil([&] { return lumo.state() == QProcess::NotRunning; }, 15000));
    for (const char* folder : {"Desktop", ".local/share/applications"}) {
        EXPECT_EQ(std::distance(fs::directory_iterator(home.path() / folder), {}), 1) << folder;
        const std::string entry = home.read(std::string(folder) + "/Lumoplay.desktop");
        EXPECT_NE(entry.find("\nExec=\"" + (dir.path() / "Lumo").string() + "\"\n"),
                  std::string::npos)
            << entry;
    }
    EXPECT_TRUE(fs::exists(home.path() / ".local/share/icons/hicolor/128x128/apps/lumoplay.png"));
}

// The minimise button, clicked as a person would: the banner shows the advert at the top
// centre of the screen; when the player is restored (here the test stands in for the window
// manager a bare X display lacks) the banner goes and the player comes back.
TEST_F(RealWindowTest, MinimisingShowsTheAdvertBannerUntilThePlayerIsRestored) {
    std::optional<unsigned long> player;
    ASSERT_TRUE(
        test::waitUntil([&] { return (player = x.findWindow("Lumo")).has_value(); }, 20000));
    const QRect where = x.geometry(*player);
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(where.x() + 257),
                   QString::number(where.y() + 11), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(xdotool.waitForFinished(10000));
    ASSERT_EQ(xdotool.exitCode(), 0) << "xdotool is installed by scripts/test";
    std::optional<unsigned long> banner;
    ASSERT_TRUE(
        test::waitUntil([&] { return (banner = x.findWindow("Advert")).has_value(); }, 10000));
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(x.geometry(*banner), QRect(screenWidth / 2 - 267 / 2, 0, 267, 57));
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, screenWidth / 2 - 267 / 2, 0, 267, 57)
                            .toImage();
    QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
    shot.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/advert-banner.png"));

    x.setWmState(*player, 3); // iconified
    test::waitUntil([] { return false; }, 300);
    EXPECT_TRUE(x.findWindow("Advert").has_value()) << "the banner stays while minimised";
    x.setWmState(*player, 1); // restored
    EXPECT_TRUE(test::waitUntil([&] { return !x.findWindow("Advert").has_value(); }, 5000));
    EXPECT_TRUE(x.findWindow("Lumo").has_value());
}

} // namespace
} // namespace lumo
