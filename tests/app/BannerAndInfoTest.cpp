// The advert banner and the About and help windows opened by the player window.
#include "EventWait.h"
#include "PlayerWindowFixture.h"
#include "banner/Advert1.h"
#include "info/InfoWindow.h"
#include "platform/ClickLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class BannerTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        window = makeWindow();
        window->load();
        cursor.at = {20, 500}; // away from the banner's band
        QTest::mouseClick(window->Image3, Qt::LeftButton);
        ASSERT_NE(window->banner(), nullptr);
    }
    QImage bannerPicture() const { return window->banner()->Image14->pixmap().toImage(); }

    std::unique_ptr<PlayerWindow> window;
};

TEST_F(BannerTest, MinimisingOpensItAtTheTopCentreWithTheCurrentAdvert) {
    ADVERT1* banner = window->banner();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(banner->isVisible());
    EXPECT_EQ(banner->windowTitle(), "Advert");
    EXPECT_EQ(banner->size(), QSize(267, 57));
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    EXPECT_EQ(banner->pos(), QPoint(screenWidth / 2 - 267 / 2, 0));
    EXPECT_TRUE(banner->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(banner->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(banner->Image14->toolTip(), "Advert Banner");
    EXPECT_EQ(bannerPicture(), window->Image24.toImage());
    EXPECT_EQ(banner->Timer1->interval(), 100);

    // A new advert reaches the banner on its next tick.
    QPixmap advert(50, 20);
    advert.fill(Qt::green);
    window->Image14->setPixmap(advert);
    banner->Timer1->tick();
    EXPECT_EQ(bannerPicture(), advert.toImage());

    // A click on it opens nothing.
    QTest::mouseClick(banner->Image14, Qt::LeftButton);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(BannerTest, ThePointersBandHidesItAndRestoringThePlayerClosesIt) {
    ADVERT1* banner = window->banner();
    const std::pair<QPoint, bool> steps[] = {
        {{500, 10}, false}, {{500, 60}, true}, {{500, 10}, false}, {{900, 10}, true}};
    for (const auto& [at, visible] : steps) {
        cursor.at = at;
        banner->Timer1->tick();
        EXPECT_EQ(banner->isVisible(), visible) << at.x() << "," << at.y();
    }
    banner->hide(); // an unmoved pointer changes nothing
    banner->Timer1->tick();
    EXPECT_FALSE(banner->isVisible());

    // Full screen: kept on top, never closed by the restore test.
    media->full = true;
    window->showNormal();
    banner->Timer1->tick();
    EXPECT_NE(window->banner(), nullptr);
    EXPECT_EQ(banner->Timer1->interval(), 100);
    media->full = false;

    // Restored: the banner hands over to the banner-close timer, which shows the player and
    // unloads the banner.
    window->hide();
    banner->Timer1->tick();
    EXPECT_EQ(banner->Timer1->interval(), 0);
    EXPECT_EQ(window->Timer6->interval(), 100);
    ASSERT_TRUE(test::waitUntil([&] { return window->banner() == nullptr; }, 2000));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Timer6->interval(), 0);
}

class InfoWindowTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        window = makeWindow();
        window->load();
    }
    QWidget* open(ClickLabel* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        return window->infoWindow();
    }
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(InfoWindowTest, EveryWayOfClosingAboutOrHelpShowsThePlayerAgain) {
    const std::tuple<ClickLabel*, const char*, QSize, QSize> windows[] = {
        {window->Image38, "Lumo - About", QSize(400, 400), QSize(400, 400)},
        {window->Image39, "Lumo - Help", QSize(829, 550), QSize(830, 550)}};
    for (const auto& [button, caption, client, picture] : windows) {
        for (int way = 0; way < 3; ++way) {
            QWidget* info = open(button);
            ASSERT_NE(info, nullptr);
            EXPECT_EQ(info->windowTitle(), caption);
            EXPECT_TRUE(info->isVisible());
            EXPECT_FALSE(window->isVisible()) << "the info window takes the player's place";
            EXPECT_EQ(info->size(), client);
            const QLabel* image = static_cast<InfoWindow*>(info)->Image1;
            EXPECT_EQ(image->size(), picture);
            EXPECT_EQ(image->pixmap().size(),
                      picture.width() == 400 ? QSize(400, 400) : QSize(830, 550));
            EXPECT_FALSE(info->windowFlags() & Qt::WindowMinimizeButtonHint);
            EXPECT_FALSE(info->windowFlags() & Qt::WindowMaximizeButtonHint);
            if (way == 0) {
                QCloseEvent closeBox; // the close box
                QApplication::sendEvent(info, &closeBox);
                delete info;
            } else if (way == 1) {
                info->close();
            } else {
                window->hide();
                delete info; // the window's release
            }
            EXPECT_TRUE(window->isVisible()) << caption << ", way " << way;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(window->infoWindow(), nullptr);
        }
    }
}

// The program ending while About is open: the windows that go with the player do not bring it
// back on their way out.
TEST_F(InfoWindowTest, EndingTheProgramWithAboutOpenShowsNothingOnTheWayOut) {
    ASSERT_NE(open(window->Image38), nullptr);
    struct ShowCounter : QObject {
        int shows = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            shows += event->type() == QEvent::Show ? 1 : 0;
            return false;
        }
    } counter;
    window->installEventFilter(&counter);
    window->shutdown(); // as Quit from the desktop bus does
    EXPECT_EQ(endRequests, 1);
    window.reset();
    EXPECT_EQ(counter.shows, 0);
}

// A double click is one click and one double click, not two clicks: DJ CAM and TOP stay
// toggled, and an advert's address opens once.
TEST_F(InfoWindowTest, ADoubleClickOnAButtonIsOneActivation) {
    int clicks = 0;
    int doubles = 0;
    QObject::connect(window->Image29, &ClickLabel::clicked, [&] { ++clicks; });
    QObject::connect(window->Image29, &ClickLabel::doubleClicked, [&] { ++doubles; });
    // What the pointer sends for a double click: press, release, double click, release.
    QTest::mouseClick(window->Image29, Qt::LeftButton);
    QTest::mouseDClick(window->Image29, Qt::LeftButton);
    QTest::mouseRelease(window->Image29, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(state.stayOnTopMode, 2) << "on top, and left on top";
    QTest::mouseClick(window->Image29, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(state.stayOnTopMode, 1);
}

} // namespace
} // namespace lumo
