// The video rectangle's full screen in a real X window with no window manager (a kiosk or a
// bare X session), as Xvfb gives it.
#include "EventWait.h"
#include "media/VideoWidget.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(VideoFullScreenWithoutWindowManager, FillsTheScreenAndEscapeAnywhereBringsItBack) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        FAIL() << "needs an X display (the suite runs under Xvfb)";
    }
    QWidget player;
    player.resize(299, 381);
    auto* video = new VideoWidget(&player);
    const QRect normal(31, 127, 231, 159);
    video->setGeometry(normal);
    player.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&player));
    const QRect screen = player.screen()->geometry();

    for (int round = 0; round < 2; ++round) {
        video->setFullScreen(true);
        QWidget* host = video->fullScreenWindow();
        ASSERT_NE(host, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host));
        EXPECT_TRUE(test::waitUntil([&] { return host->geometry() == screen; }, 3000))
            << host->geometry().width() << "x" << host->geometry().height();
        EXPECT_EQ(video->size(), screen.size());
        if (round == 0) {
            // Nobody moved the keyboard to the new window: Escape reaches the player window.
            QTest::keyClick(&player, Qt::Key_Escape);
            ASSERT_TRUE(test::waitUntil([&] { return !video->isFullScreen(); }, 3000));
        } else {
            video->setFullScreen(false); // the second toggle
        }
        EXPECT_EQ(video->parentWidget(), &player);
        EXPECT_EQ(video->geometry(), normal);
        EXPECT_TRUE(video->isVisible());
    }
}

} // namespace
} // namespace lumo
