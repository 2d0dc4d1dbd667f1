// The station chooser in a real window under Xvfb, with the starter catalogue.
#include "../app/PlayerWindowFixture.h"
#include "EventWait.h"
#include "chooser/Stations.h"
#include "platform/ClickLabel.h"

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class ChooserScreenshotTest : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(ChooserScreenshotTest, TheChooserShowsTheStarterCatalogue) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        GTEST_SKIP() << "needs an X display (the suite runs under Xvfb)";
    }
    std::filesystem::copy_file(LUMO_ASSETS_DIR "/Lumo.csv", dir.path() / "Lumo.csv");
    auto window = makeWindow();
    window->load();
    QTest::mouseClick(window->Image6, Qt::LeftButton);
    Stations* chooser = window->chooser();
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
    EXPECT_GT(chooser->List1->count(), 0);

    QImage shot;
    auto hasListText = [&] {
        shot = QGuiApplication::primaryScreen()->grabWindow(chooser->winId()).toImage();
        const QRect list = chooser->List1->geometry().adjusted(4, 4, -4, -4);
        for (int y = list.top(); y < list.bottom(); ++y) {
            for (int x = list.left(); x < list.right(); ++x) {
                if (qGreen(shot.pixel(x, y)) > 120 && qRed(shot.pixel(x, y)) < 100) {
                    return true; // green station names on black
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(test::waitUntil(hasListText, 10000));
    QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
    shot.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/station-chooser.png"));
    EXPECT_EQ(shot.pixel(5, shot.height() - 3) & 0xffffff, 0u); // black background
}

} // namespace
} // namespace lumo
