// The status icon as a tray sees it: a StatusNotifierWatcher the test runs on a private session
// bus, the real X platform (Xvfb), and gdbus as the tray's host, clicking the icon and its menu
// over com.canonical.dbusmenu.
#include "desktop/StatusIcon.h"
#include "EventWait.h"
#include "PlayerWindowFixture.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class StatusIconTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        watcher.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(LUMO_SNI_WATCHER)});
        ASSERT_TRUE(
            test::waitUntil([&] { return said().contains(QStringLiteral("ready")); }, 10000))
            << watcher.readAllStandardError().toStdString();
        dir.write("DEFAULT", "\"RADIO\",\"Tray FM\",\"\",\"http://127.0.0.1:9/t\",\"NONE\"\r\n");
        desktopBus = true;
        window = makeWindow();
        window->load();
    }
    void TearDown() override {
        window.reset();
        watcher.kill();
        watcher.waitForFinished();
    }
    QString said() {
        heard += QString::fromUtf8(watcher.readAllStandardOutput());
        return heard;
    }
    // gdbus to the icon's service, the window's events running meanwhile: what it printed.
    QString call(const QString& path, const QString& method, const QStringList& arguments = {}) {
        QProcess gdbus;
        gdbus.start(QStringLiteral("gdbus"),
                    QStringList{QStringLiteral("call"), QStringLiteral("--session"),
                                QStringLiteral("--dest"), service, QStringLiteral("--object-path"),
                                path, QStringLiteral("--method"), method} +
                        arguments);
        test::waitUntil([&] { return gdbus.state() == QProcess::NotRunning; }, 10000);
        return QString::fromUtf8(gdbus.readAllStandardOutput() + gdbus.readAllStandardError());
    }
    // The menu's entries by label, as the tray reads them (" -1": gdbus takes "-1" for an
    // option).
    std::map<QString, int> entries(const QString& menu) {
        const QString layout =
            call(menu, QStringLiteral("com.canonical.dbusmenu.GetLayout"),
                 {QStringLiteral("0"), QStringLiteral(" -1"), QStringLiteral("[]")});
        std::map<QString, int> found;
        static const QRegularExpression entry(
            QStringLiteral("\\((\\d+), \\{[^}]*'label': <'([^']*)'>"));
        for (auto match = entry.globalMatch(layout); match.hasNext();) {
            const auto one = match.next();
            found[one.captured(2)] = one.captured(1).toInt();
        }
        return found;
    }

    QProcess watcher;
    QString heard;
    QString service;
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(StatusIconTest, TheIconRegistersAndItsClickAndMenuDriveThePlayer) {
    ASSERT_NE(window->statusIcon(), nullptr);
    static const QRegularExpression registered(QStringLiteral("registered (\\S+)"));
    ASSERT_TRUE(test::waitUntil([&] { return registered.match(said()).hasMatch(); }, 10000))
        << said().toStdString();
    service = registered.match(said()).captured(1);
    EXPECT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());

    // The tooltip names the station and the title.
    media->state = PlayState::Playing;
    media->title = "Artist - Song";
    window->Timer1->tick();
    EXPECT_EQ(window->statusIcon()->icon().toolTip(), QStringLiteral("Tray FM\nArtist - Song"));

    // A click hides the player, another shows it.
    ASSERT_TRUE(window->isVisible());
    call(QStringLiteral("/StatusNotifierItem"),
         QStringLiteral("org.kde.StatusNotifierItem.Activate"),
         {QStringLiteral("0"), QStringLiteral("0")});
    ASSERT_TRUE(test::waitUntil([&] { return !window->isVisible(); }, 5000));
    call(QStringLiteral("/StatusNotifierItem"),
         QStringLiteral("org.kde.StatusNotifierItem.Activate"),
         {QStringLiteral("0"), QStringLiteral("0")});
    ASSERT_TRUE(test::waitUntil([&] { return window->isVisible(); }, 5000));

    // The menu, where the icon says it is: pause, then quit.
    const QString menuPath =
        call(QStringLiteral("/StatusNotifierItem"),
             QStringLiteral("org.freedesktop.DBus.Properties.Get"),
             {QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Menu")})
            .section(QLatin1Char('\''), 1, 1);
    ASSERT_FALSE(menuPath.isEmpty());
    std::map<QString, int> menu = entries(menuPath);
    ASSERT_TRUE(menu.contains(QStringLiteral("Pause")));
    ASSERT_TRUE(menu.contains(QStringLiteral("Tray FM")));
    const auto click = [&](int id) {
        call(menuPath, QStringLiteral("com.canonical.dbusmenu.Event"),
             {QString::number(id), QStringLiteral("clicked"), QStringLiteral("<0>"),
              QStringLiteral("0")});
    };
    media->calls.clear();
    click(menu[QStringLiteral("Pause")]);
    EXPECT_TRUE(
        test::waitUntil([&] { return media->calls == std::vector<std::string>{"pause"}; }, 5000));
    click(menu[QStringLiteral("Quit")]);
    EXPECT_TRUE(test::waitUntil([&] { return endRequests == 1; }, 5000));
}

} // namespace
} // namespace lumo
