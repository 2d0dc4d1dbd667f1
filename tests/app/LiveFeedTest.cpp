// The live feed through the player window, its pictures served on 127.0.0.1. The timers are
// driven by hand: no test waits for a real minute.
#include "app/LiveFeed.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "platform/ClickLabel.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// A small JPEG from the studio camera.
std::string cameraStill(Qt::GlobalColor colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes.toStdString();
}

class LiveFeedTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        httpLimits = HttpLimits{1000, 800, 1024 * 1024, 5};
        dir.write("DEFAULT", "\"RADIO\",\"Cam FM\",\"http://p\",\"http://127.0.0.1:9/s\",\"" +
                                 server.url("/cam.jpg") + "\"\r\n");
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

    test::LoopbackHttpServer server;
    std::unique_ptr<PlayerWindow> window;
    const std::string still = cameraStill(Qt::red);
};

TEST_F(LiveFeedTest, AFetchedPictureIsShownAndFetchedAgainAfterTheCountdown) {
    server.serve("/cam.jpg", {"image/jpeg", still});
    switchOn();
    EXPECT_TRUE(window->Image35->isVisible());
    EXPECT_TRUE(window->Label3->isVisible());
    window->Timer8->tick();
    EXPECT_EQ(caption(), "Live Feed Updated");
    EXPECT_TRUE(dir.read("DJCAM.jpg") == still);
    const QColor shown = window->Image35->pixmap().toImage().pixelColor(10, 10);
    EXPECT_TRUE(shown.red() > 200 && shown.green() < 60) << "the frame shows the red still";
    EXPECT_EQ(window->Timer10->interval(), 1000);
    for (int left = 59; left >= 1; --left) {
        window->Timer10->tick();
        ASSERT_EQ(caption(), "Next Update : " + std::to_string(left) + " Secs");
    }
    window->Timer10->tick(); // fetches again
    EXPECT_EQ(caption(), "Live Feed Updated");
    EXPECT_EQ(server.requestCount("/cam.jpg"), 2);
    EXPECT_EQ(state.liveFeedCountdown, 60);

    // Off: frame and caption hidden, the caption empty, the countdown stopped.
    QTest::mouseClick(window->Image32, Qt::LeftButton);
    EXPECT_EQ(state.liveFeedOn, 0);
    EXPECT_FALSE(window->Image35->isVisible());
    EXPECT_EQ(caption(), "");
    EXPECT_EQ(window->Timer10->interval(), 0);
}

TEST_F(LiveFeedTest, AFailedFetchRetriesAfterTenSecondsAndLeavesNoPicture) {
    switchOn();
    window->Timer8->tick(); // nothing served yet: a 404, which is no picture
    EXPECT_EQ(caption(), "Live Feed Failed ... ");
    EXPECT_FALSE(djcamExists());
    for (int left = 9; left >= 1; --left) {
        window->Timer10->tick();
        ASSERT_EQ(caption(), "Next Update : " + std::to_string(left) + " Secs");
    }
    server.serve("/cam.jpg", {"image/jpeg", still});
    window->Timer10->tick();
    EXPECT_EQ(caption(), "Live Feed Updated");
    EXPECT_TRUE(djcamExists());
    EXPECT_EQ(state.liveFeedCountdown, 60);

    // An empty body is a failed fetch too: the feed does not stand still.
    server.serve("/cam.jpg", {"image/jpeg", ""});
    state.liveFeedCountdown = 1;
    window->Timer10->tick();
    EXPECT_EQ(caption(), "Live Feed Failed ... ");
    EXPECT_FALSE(djcamExists());
    EXPECT_EQ(window->Timer10->interval(), 1000);
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

// A camera that takes the connection and never answers: what the user does meanwhile wins.
TEST_F(LiveFeedTest, SwitchingOffOrShuttingDownDuringASlowFetchWins) {
    server.serve("/cam.jpg", {"image/jpeg", "", true});
    switchOn();
    QTimer::singleShot(100, [&] { QTest::mouseClick(window->Image32, Qt::LeftButton); });
    window->Timer8->tick(); // the click runs while the fetch waits, until its time limit
    EXPECT_EQ(state.liveFeedOn, 0);
    EXPECT_EQ(caption(), "");
    EXPECT_EQ(window->Timer10->interval(), 0) << "a dropped fetch starts no countdown";
    EXPECT_FALSE(djcamExists());

    httpLimits = HttpLimits{}; // the real limits: twenty seconds for the whole transfer
    window = makeWindow();
    window->load();
    switchOn();
    QTimer::singleShot(100, [&] { QTest::mouseClick(window->Image4, Qt::LeftButton); });
    QElapsedTimer clock;
    clock.start();
    window->Timer8->tick();
    EXPECT_EQ(endRequests, 1);
    EXPECT_LT(clock.elapsed(), 10000) << "the fetch was abandoned, not waited out";
    EXPECT_EQ(window->Timer10->interval(), 0);
}

} // namespace
} // namespace lumo
