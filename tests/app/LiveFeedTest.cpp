// The live feed through the player window, its pictures served on 127.0.0.1. The timers are
// driven by hand (no test waits for a real minute); what a tick starts ends as an event.
#include "app/LiveFeed.h"
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "Pictures.h"
#include "PlayerWindowFixture.h"
#include "app/AdvertRotation.h"
#include "chooser/Stations.h"
#include "platform/ClickLabel.h"

#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class LiveFeedTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        defaultStationWithCamera(server.url("/cam.jpg"));
        window = makeWindow();
        window->load();
    }
    std::string caption() const { return window->Label3->text().toStdString(); }
    bool djcamExists() const { return std::filesystem::exists(dir.path() / "DJCAM.jpg"); }
    void switchOn() {
        QTest::mouseClick(window->Image32, Qt::LeftButton);
        ASSERT_EQ(state.liveFeedOn, 1);
        ASSERT_EQ(caption(), "Waiting for Live Feed ....");
        ASSERT_EQ(window->Timer8->interval(), 5000);
    }
    // Runs the tick, then the event loop until the refresh it started has ended.
    void refreshBy(Timer* timer) {
        timer->tick();
        ASSERT_TRUE(test::waitUntil([&] { return !window->liveFeed().refreshing(); }, 10000));
    }

    test::LoopbackHttpServer server;
    std::unique_ptr<PlayerWindow> window;
    const std::string still = test::jpegOf(Qt::red);
};

TEST_F(LiveFeedTest, AFetchedPictureIsShownAndFetchedAgainAfterTheCountdown) {
    server.serve("/cam.jpg", {"image/jpeg", still});
    switchOn();
    EXPECT_TRUE(window->Image35->isVisible());
    EXPECT_TRUE(window->Label3->isVisible());
    refreshBy(window->Timer8);
    EXPECT_EQ(caption(), "Live Feed Updated");
    EXPECT_TRUE(dir.read("DJCAM.jpg") == still);
    const QImage shown = window->Image35->pixmap().toImage();
    EXPECT_EQ(shown.size(), window->Image35->size()) << "decoded at the size it is shown";
    const QColor centre = shown.pixelColor(10, 10);
    EXPECT_TRUE(centre.red() > 200 && centre.green() < 60) << "the frame shows the red still";
    EXPECT_EQ(window->Timer10->interval(), 1000);
    for (int left = 59; left >= 1; --left) {
        window->Timer10->tick();
        ASSERT_EQ(caption(), "Next Update : " + std::to_string(left) + " Secs");
    }
    window->Timer10->tick(); // fetches again
    EXPECT_EQ(caption(), "Waiting for Live Feed");
    ASSERT_TRUE(test::waitUntil([&] { return caption() == "Live Feed Updated"; }, 10000));
    EXPECT_EQ(server.requestCount("/cam.jpg"), 2);
    EXPECT_EQ(state.liveFeedCountdown, 60);

    // Off: frame and caption hidden, the caption empty, the countdown stopped.
    QTest::mouseClick(window->Image32, Qt::LeftButton);
    EXPECT_EQ(state.liveFeedOn, 0);
    EXPECT_FALSE(window->Image35->isVisible());
    EXPECT_EQ(caption(), "");
    EXPECT_EQ(window->Timer10->interval(), 0);
}

// A failure (no picture served, an empty body, a body that is no picture) shows the placeholder
// and "Live Feed Failed ... ", leaves no picture file, and tries again ten seconds later.
TEST_F(LiveFeedTest, AFailedFetchRetriesAfterTenSecondsAndLeavesNoPicture) {
    switchOn();
    refreshBy(window->Timer8); // nothing served yet: a 404
    EXPECT_EQ(caption(), "Live Feed Failed ... ");
    EXPECT_FALSE(djcamExists());
    for (int left = 9; left >= 1; --left) {
        window->Timer10->tick();
        ASSERT_EQ(caption(), "Next Update : " + std::to_string(left) + " Secs");
    }
    server.serve("/cam.jpg", {"image/jpeg", still});
    refreshBy(window->Timer10);
    EXPECT_EQ(caption(), "Live Feed Updated");
    EXPECT_TRUE(djcamExists());
    EXPECT_EQ(state.liveFeedCountdown, 60);

    // Empty, no picture, and pictures that would cost too much: a progressive JPEG whose scans
    // repeat, a 5700 x 5700 PNG (small on the wire).
    for (const std::string& body :
         {std::string(), std::string("<html>Camera offline</html>"), std::string(4000, 'x'),
          test::repeatedScanJpeg(300, 1024, 1024), test::plainPng(5700, 5700)}) {
        server.serve("/cam.jpg", {"image/jpeg", body});
        state.liveFeedCountdown = 1;
        refreshBy(window->Timer10);
        EXPECT_EQ(caption(), "Live Feed Failed ... ") << body.substr(0, 20);
        EXPECT_FALSE(djcamExists());
        EXPECT_EQ(state.liveFeedCountdown, 10);
        EXPECT_EQ(window->Timer10->interval(), 1000);
        EXPECT_EQ(window->Image35->pixmap().toImage(), window->Image42.toImage());
    }
}

TEST_F(LiveFeedTest, TelevisionHasNoFeedAndAStationWithoutOneSwitchesItOff) {
    state.CurrentStation.kind = "TV";
    QTest::mouseClick(window->Image32, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "No Djcam Available on TV ?");
    EXPECT_EQ(messages.shown[0].second, MessageBoxes::Icon::Stop);
    EXPECT_EQ(state.liveFeedOn, 0);
    EXPECT_TRUE(window->isVisible());

    state.CurrentStation.kind = "RADIO";
    state.CurrentStation.liveFeedUrl = "NONE";
    QTest::mouseClick(window->Image32, Qt::LeftButton);
    EXPECT_EQ(caption(), "No Live Feed Found ....");
    EXPECT_EQ(window->Timer11->interval(), 5000);
    window->Timer11->tick();
    EXPECT_EQ(state.liveFeedOn, 0);
    EXPECT_FALSE(window->Label3->isVisible());
}

// A camera that takes the connection and never answers: switching the feed off, the default
// station button and another station each close that connection at once, and the next fetch
// starts when its own wait is over.
TEST_F(LiveFeedTest, WhatEndsAFetchsReasonClosesItsConnection) {
    server.serve("/cam.jpg", {"image/jpeg", "", true});
    switchOn();
    auto silentFetchStarts = [&](int nth) {
        window->Timer8->tick();
        return test::waitUntil(
            [&] {
                return server.requestCount("/cam.jpg") == nth &&
                       server.openConnections("/cam.jpg") == 1;
            },
            5000);
    };
    auto closed = [&] {
        return test::waitUntil([&] { return server.openConnections("/cam.jpg") == 0; }, 5000);
    };
    ASSERT_TRUE(silentFetchStarts(1));
    QTest::mouseClick(window->Image32, Qt::LeftButton); // off
    EXPECT_TRUE(closed());
    EXPECT_FALSE(window->liveFeed().refreshing());
    EXPECT_EQ(caption(), "");

    switchOn(); // on again: a fresh five-second wait, then a fetch of its own
    ASSERT_TRUE(silentFetchStarts(2));
    QTest::mousePress(window->Image7, Qt::LeftButton); // the default station button
    EXPECT_TRUE(closed());
    EXPECT_EQ(window->Timer8->interval(), 5000);
    QTest::mouseRelease(window->Image7, Qt::LeftButton);

    ASSERT_TRUE(silentFetchStarts(3));
    window->loadChooser(); // choosing another station pauses the feed
    EXPECT_TRUE(closed());
    EXPECT_EQ(window->Timer10->interval(), 0);
    test::runFor(1700); // past the fetch's own time limit: nothing of it comes back
    EXPECT_EQ(caption(), "Waiting for Live Feed ....");
    EXPECT_EQ(window->Timer10->interval(), 0);
}

// The shutdown button ends the program at once, whatever is under way: the fetch's connection
// closes, and a picture still being decoded never reaches the window.
TEST_F(LiveFeedTest, ShutdownDuringAFetchOrADecodeEndsAtOnce) {
    server.serve("/cam.jpg", {"image/jpeg", "", true});
    switchOn();
    window->Timer8->tick();
    ASSERT_TRUE(test::waitUntil([&] { return server.openConnections("/cam.jpg") == 1; }, 5000));
    QTest::mouseClick(window->Image4, Qt::LeftButton);
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(test::waitUntil([&] { return server.openConnections("/cam.jpg") == 0; }, 5000));
    EXPECT_EQ(window->Timer4->interval(), 0) << "no advert tick starts a fetch after it";

    // A picture that takes a good while to decode, for a studio camera.
    server.serve("/cam.jpg", {"image/png", test::noisyPng(9, 3000, 3000)});
    state.liveFeedOn = 0; // a program of its own
    httpLimits.maxBytes = 32 * 1024 * 1024;
    window = makeWindow();
    window->load();
    switchOn();
    window->Timer8->tick();
    ASSERT_TRUE(test::waitUntil([&] { return djcamExists(); }, 10000)) << "fetched: decoding";
    QTest::mouseClick(window->Image4, Qt::LeftButton);
    EXPECT_EQ(endRequests, 2);
    EXPECT_FALSE(window->liveFeed().refreshing());
    test::runFor(500);
    EXPECT_EQ(window->Image35->pixmap().toImage(), window->Image42.toImage());
    window.reset(); // as the program ends: the decode's worker is let go, not waited out
}

} // namespace
} // namespace lumo
