// The status tick driven by hand against a fake media player.
#include "EventWait.h"
#include "PlayerWindowFixture.h"
#include "platform/ClickLabel.h"
#include "playback/StreamKeeper.h"

#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class StatusTickTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        window = makeWindow();
        window->load();
        media->calls.clear();
        media->urlsGiven.clear();
    }
    QString tick() {
        window->Timer1->tick();
        return window->Label1->text();
    }
    bool shows(ClickLabel* button, const QPixmap& picture) const {
        return button->pixmap().toImage() == picture.toImage();
    }

    std::unique_ptr<PlayerWindow> window;
};

TEST_F(StatusTickTest, TheFirstTickAfterStartUpShowsTheStatusText) {
    media->length = 205;
    media->statusText = "Buffering 40%";
    EXPECT_EQ(tick(), "Buffering 40%");
    EXPECT_EQ(window->Label2->text(), "BBC Radio 1 (WebCam)");
    EXPECT_FALSE(media->muted);
    EXPECT_TRUE(media->stretch);
}

TEST_F(StatusTickTest, AClipAlternatesStatusAndProgrammeTimeInCyclesOfTwentyTicks) {
    media->length = 205;
    media->statusText = "Playing";
    media->state = PlayState::Playing;
    const QString programme = "Program Time - 03:25 minutes";
    std::vector<QString> seen;
    for (int i = 0; i < 60; ++i) {
        seen.push_back(tick());
    }
    // Ticks 1-8 (count 12-19): status; tick 9 (count 20) starts the programme time.
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(seen[i], "Playing") << i;
    }
    for (int cycle = 0; cycle < 2; ++cycle) {
        const int start = 8 + cycle * 20;
        for (int i = start; i < start + 11; ++i) {
            EXPECT_EQ(seen[i], programme) << i;
        }
        for (int i = start + 11; i < start + 20; ++i) {
            EXPECT_EQ(seen[i], "Playing") << i;
        }
    }
}

TEST_F(StatusTickTest, ALiveStreamShowsTheStatusTextOnEveryTick) {
    media->length = 0;
    media->state = PlayState::Playing;
    for (int i = 0; i < 45; ++i) {
        media->statusText = "Now: song " + std::to_string(i);
        EXPECT_EQ(tick().toStdString(), media->statusText);
    }
}

TEST_F(StatusTickTest, TransportButtonsLightForTheState) {
    media->state = PlayState::Playing;
    tick();
    EXPECT_TRUE(shows(window->Image2, window->Image9));
    EXPECT_TRUE(shows(window->Image1, window->Image11));
    EXPECT_TRUE(shows(window->Image25, window->Image28));
    media->state = PlayState::Paused;
    tick();
    EXPECT_TRUE(shows(window->Image2, window->Image8));
    EXPECT_TRUE(shows(window->Image25, window->Image26));
    media->state = PlayState::Stopped;
    tick();
    EXPECT_TRUE(shows(window->Image1, window->Image12));
    EXPECT_TRUE(shows(window->Image25, window->Image28));
    EXPECT_EQ(state.streamReached, 1);

    // A press shows the pressed picture until the next tick.
    QTest::mouseClick(window->Image2, Qt::LeftButton);
    EXPECT_TRUE(shows(window->Image2, window->Image13));
    EXPECT_EQ(media->calls.back(), "play");
    QTest::mouseClick(window->Image25, Qt::LeftButton);
    EXPECT_TRUE(shows(window->Image25, window->Image27));
    EXPECT_EQ(media->calls.back(), "pause");
    QTest::mouseClick(window->Image1, Qt::LeftButton);
    EXPECT_TRUE(shows(window->Image1, window->Image10));
    EXPECT_EQ(media->calls.back(), "stop");
}

// A tick that changes nothing draws nothing: a repaint of the skin is the window's costliest
// work, twice a second for as long as the station plays.
TEST_F(StatusTickTest, TicksThatChangeNothingRepaintNothing) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    media->state = PlayState::Playing;
    media->statusText = "Now: a song";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    tick();
    QCoreApplication::processEvents();
    window->installEventFilter(&counter);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(&counter);
    }
    for (int i = 0; i < 4; ++i) {
        tick();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(counter.paints, 0);
    media->statusText = "Now: another song";
    tick();
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0) << "the counter sees a change";
}

TEST_F(StatusTickTest, AClipThatEndsAfterPlayingIsComplete) {
    media->length = 205;
    media->state = PlayState::Playing;
    tick();
    media->state = PlayState::Ready;
    EXPECT_EQ(tick(), "Complete");
    EXPECT_EQ(tick(), "Complete");
    EXPECT_FALSE(window->playback().streamKeeper().waiting());
}

TEST_F(StatusTickTest, AChooserStationGetsOneReconnectThenFails) {
    state.reconnectState = 1;
    state.streamReached = 0;
    state.CurrentStation.streamUrl = "http://127.0.0.1:9/chosen";
    media->state = PlayState::Ready;
    tick();
    EXPECT_EQ(state.reconnectState, 2);
    EXPECT_EQ(media->calls, std::vector<std::string>{"stop"});
    EXPECT_TRUE(media->urlsGiven.empty()) << "a second later, without waiting for it";
    ASSERT_TRUE(test::waitUntil([&] { return !media->urlsGiven.empty(); }, 5000));
    EXPECT_EQ(media->urlsGiven, std::vector<std::string>{"http://127.0.0.1:9/chosen"});
    EXPECT_EQ(tick(), "Failed to Connect");
    EXPECT_EQ(state.streamReached, 0);
    EXPECT_EQ(media->urlsGiven.size(), 1u);
}

TEST_F(StatusTickTest, TheStartUpStationFailsAtOnce) {
    media->state = PlayState::Ready;
    EXPECT_EQ(tick(), "Failed to Connect");
    EXPECT_TRUE(media->urlsGiven.empty());
    // until it plays after all
    media->state = PlayState::Playing;
    media->statusText = "Playing";
    EXPECT_EQ(tick(), "Playing");
    EXPECT_EQ(state.streamReached, 1);
}

TEST_F(StatusTickTest, UndefinedEndsTheTickAfterTheLabels) {
    media->state = PlayState::Undefined;
    media->statusText = "";
    state.shownStationName = "Somewhere";
    tick();
    EXPECT_EQ(window->Label2->text(), "Somewhere");
    EXPECT_EQ(state.streamReached, 0);
}

TEST_F(StatusTickTest, ALiveStreamThatDropsIsReconnectedUntilTheUserStops) {
    media->url = "http://127.0.0.1:9/live";
    media->length = 0;
    media->state = PlayState::Playing;
    tick();
    media->state = PlayState::Ready;
    EXPECT_EQ(tick(), "Reconnecting...");
    EXPECT_TRUE(window->playback().streamKeeper().waiting());
    EXPECT_EQ(tick(), "Reconnecting...");
    EXPECT_EQ(window->playback().streamKeeper().attempts(), 1);
    QTest::mouseClick(window->Image1, Qt::LeftButton);
    EXPECT_FALSE(window->playback().streamKeeper().waiting());
}

TEST_F(StatusTickTest, StayOnTopIsReassertedWhileTheModeIsTwo) {
    state.stayOnTopMode = 2;
    tick();
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    state.stayOnTopMode = 1;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, false);
    window->show();
    tick();
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(StatusTickTest, AStoppedStatusTimerDoesNothing) {
    window->Timer1->setInterval(0);
    media->statusText = "Playing";
    EXPECT_EQ(tick(), "");
}

TEST_F(StatusTickTest, ClicksOnTheVideoToggleFullScreenOnlyWhilePlaying) {
    media->state = PlayState::Paused;
    media->click();
    EXPECT_FALSE(media->full);
    media->state = PlayState::Playing;
    media->doubleClick();
    EXPECT_TRUE(media->full);
    media->state = PlayState::Paused;
    media->click(); // always leaves full screen
    EXPECT_FALSE(media->full);
}

TEST_F(StatusTickTest, TheFullScreenWatchBringsTheLabelsBackOnceFullScreenEnds) {
    window->Label1->hide();
    window->Image5->hide();
    window->Timer7->setInterval(1000);
    media->full = true;
    window->Timer7->tick();
    EXPECT_EQ(window->Timer7->interval(), 1000);
    media->full = false;
    window->Timer7->tick();
    EXPECT_EQ(window->Timer7->interval(), 0);
    EXPECT_TRUE(window->Label1->isVisible());
    EXPECT_TRUE(window->Image5->isVisible());
}

TEST_F(StatusTickTest, TheChooserClosingTickShowsThePlayerAndStartsTheWatch) {
    window->hide();
    window->Timer2->setInterval(10);
    window->Timer2->tick();
    EXPECT_EQ(window->Timer2->interval(), 0);
    EXPECT_EQ(window->Timer7->interval(), 1000);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StatusTickTest, TheStationNameOpensItsWebPageUnlessThereIsNone) {
    state.CurrentStation.webPage = "http://127.0.0.1:9/home";
    QTest::mouseClick(window->Label2, Qt::LeftButton);
    state.CurrentStation.webPage = "NONE";
    QTest::mouseClick(window->Label2, Qt::LeftButton);
    state.CurrentStation.webPage = "";
    QTest::mouseClick(window->Label2, Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<std::string>{"http://127.0.0.1:9/home"});
}

} // namespace
} // namespace lumo
