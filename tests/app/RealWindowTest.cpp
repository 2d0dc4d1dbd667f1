// The real Lumo executable in a temporary application folder, in a real X window under Xvfb.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "XWindows.h"
#include "platform/AppFolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace lumo {
namespace {

namespace fs = std::filesystem;

// Whether the test runs where a real window can be shown and looked at.
bool onXDisplay(const test::XWindows& x) {
    return !qEnvironmentVariableIsEmpty("DISPLAY") &&
           QGuiApplication::platformName() == QLatin1String("xcb") && x.connected();
}

// The program's environment with a home of its own (its desktop entries go there) and an empty
// system menu.
QProcessEnvironment withOwnHome(const fs::path& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"),
                       QString::fromStdString((home / "system").string()));
    return environment;
}

class RealWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!onXDisplay(x)) {
            FAIL() << "needs an X display (the suite runs under Xvfb)";
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
        lumo.setProcessEnvironment(withOwnHome(home.path()));
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
    for (const char* file :
         {"Desktop/Lumoplay.desktop", ".local/share/applications/" LUMO_APP_ID ".desktop"}) {
        const fs::path folder = (home.path() / file).parent_path();
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1) << folder;
        const std::string entry = home.read(file);
        EXPECT_NE(entry.find("\nExec=env \"" + (dir.path() / "Lumo").string() + "\" %U\n"),
                  std::string::npos)
            << entry;
    }
    EXPECT_TRUE(
        fs::exists(home.path() / ".local/share/icons/hicolor/128x128/apps/" LUMO_APP_ID ".png"));
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

// The program as installed (cmake --install into a temporary root) and as run from a folder of
// its own: installed, every file it keeps goes to the user's data folder, seeded with the
// installed starter list, and nothing in the installed tree changes; from its own folder,
// everything stays beside it as always.
class InstalledTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (!onXDisplay(x)) {
            FAIL() << "needs an X display (the suite runs under Xvfb)";
        }
        server.serve("/station.wav", {"audio/wav", test::sineWav(60)});
        if (installed()) {
            QProcess install;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("DESTDIR"),
                               QString::fromStdString(root.path().string()));
            install.setProcessEnvironment(environment);
            install.start(QStringLiteral("cmake"),
                          {QStringLiteral("--install"), QStringLiteral(LUMO_BUILD_DIR),
                           QStringLiteral("--prefix"), QStringLiteral("/usr")});
            ASSERT_TRUE(install.waitForFinished(60000));
            ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
            executable = root.path() / "usr" / "bin" / "lumo";
            keeps = home.path() / ".local" / "share" / "lumo";
            setWritable(root.path() / "usr", false);
        } else {
            fs::copy_file(LUMO_EXECUTABLE, root.path() / "Lumo");
            executable = root.path() / "Lumo";
            keeps = root.path();
        }
        ASSERT_TRUE(fs::exists(executable));
        // The stream the player is to play, written as a hand might have (its kind unquoted):
        // a star click writes it again in the program's own form.
        fs::create_directories(keeps);
        replaceFileAtomically(keeps / "DEFAULT", "RADIO,\"Served FM\",\"\",\"" +
                                                     server.url("/station.wav") +
                                                     "\",\"NONE\"\r\n");
        before = treeOf(root.path());
    }
    void TearDown() override {
        if (lumo.state() != QProcess::NotRunning) {
            lumo.kill();
            lumo.waitForFinished(5000);
        }
        setWritable(root.path() / "usr", true);
    }
    bool installed() const { return GetParam(); }
    // Takes write permission from everything below `folder` (a user's view of /usr), or gives
    // it back.
    static void setWritable(const fs::path& folder, bool writable) {
        std::error_code ec;
        const auto set = [&](const fs::path& path) {
            fs::permissions(path, fs::perms::owner_write | fs::perms::group_write,
                            writable ? fs::perm_options::add : fs::perm_options::remove, ec);
        };
        set(folder);
        for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
            set(entry.path());
        }
    }
    // Every file below `folder` with its size and last-write time.
    static std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>
    treeOf(const fs::path& folder) {
        std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> tree;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                tree[entry.path().string()] = {entry.file_size(), entry.last_write_time()};
            }
        }
        return tree;
    }

    test::XWindows x;
    test::LoopbackHttpServer server;
    test::TempFolder root; // the installed tree, or the program's own folder
    test::TempFolder home;
    fs::path executable;
    fs::path keeps; // where the program is to keep its files
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> before;
    QProcess lumo;
};

INSTANTIATE_TEST_SUITE_P(Layouts, InstalledTest, ::testing::Values(true, false),
                         [](const auto& layout) { return layout.param ? "Installed" : "Own"; });

TEST_P(InstalledTest, TheStarWritesTheDefaultStationWhereTheProgramKeepsItsFiles) {

    fs::create_directories(home.path() / "Desktop");
    lumo.setProcessEnvironment(withOwnHome(home.path()));
    lumo.setProcessChannelMode(QProcess::ForwardedChannels);
    lumo.setProgram(QString::fromStdString(executable.string()));
    lumo.start();
    ASSERT_TRUE(lumo.waitForStarted(10000));
    std::optional<unsigned long> window;
    ASSERT_TRUE(
        test::waitUntil([&] { return (window = x.findWindow("Lumo")).has_value(); }, 20000));
    EXPECT_TRUE(test::waitUntil([&] { return server.requestCount("/station.wav") > 0; }, 20000))
        << "the default station kept where the program keeps its files was not played";

    // Docks match the window to the entry by its class, which the entry names.
    EXPECT_EQ(x.windowClass(*window), "Lumo");
    const QRect where = x.geometry(*window);
    QProcess star; // the set-default button
    star.start(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(where.x() + 277),
                QString::number(where.y() + 309), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_TRUE(star.waitForFinished(10000));
    const std::string written =
        "\"RADIO\",\"Served FM\",\"\",\"" + server.url("/station.wav") + "\",\"NONE\"\r\n";
    EXPECT_TRUE(test::waitUntil([&] { return readWholeFile(keeps / "DEFAULT") == written; }, 10000))
        << readWholeFile(keeps / "DEFAULT").value_or("(none)");
    if (installed()) {
        EXPECT_EQ(readWholeFile(keeps / "Lumo.csv"),
                  readWholeFile(root.path() / "usr" / "share" / "lumo" / "Lumo.csv"))
            << "seeded with the installed starter list";
        // The installed menu entry is the menu's; the desktop's copy names the installed
        // program.
        EXPECT_FALSE(fs::exists(home.path() / ".local/share/applications"));
        const auto entry = readWholeFile(home.path() / "Desktop" / "Lumoplay.desktop");
        EXPECT_NE(entry.value_or("").find("\nExec=env \"" + executable.string() + "\" %U\n"),
                  std::string::npos)
            << entry.value_or("(none)");
    } else {
        EXPECT_FALSE(fs::exists(home.path() / ".local" / "share" / "lumo"));
    }
    x.requestClose(*window);
    ASSERT_TRUE(test::waitUntil([&] { return lumo.state() == QProcess::NotRunning; }, 15000));
    if (installed()) {
        EXPECT_EQ(treeOf(root.path()), before) << "nothing written into the installed tree";
    }
}

} // namespace
} // namespace lumo
