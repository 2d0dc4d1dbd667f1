// The advert rotation through the player window, against a served site folder.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "Pictures.h"
#include "PlayerWindowFixture.h"
#include "PythonHttpServer.h"
#include "app/AdvertRotation.h"
#include "app/LiveFeed.h"
#include "platform/ClickLabel.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// An advert picture of at least 1000 bytes: noise does not compress.
std::string advertPicture(int seed) {
    return test::noisyPng(seed);
}

// What the advert image shows now: the advert's number, 0 for the default picture, -1 else.
int shownAdvert(const PlayerWindow& window, const std::map<int, std::string>& adverts) {
    const QImage shown = window.Image14->pixmap().toImage();
    if (shown == window.Image24.toImage()) {
        return 0;
    }
    for (const auto& [n, bytes] : adverts) {
        const QImage advert =
            QImage::fromData(QByteArray::fromStdString(bytes))
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (shown.convertToFormat(QImage::Format_RGB32) ==
            advert.convertToFormat(QImage::Format_RGB32)) {
            return n;
        }
    }
    return -1;
}

// One advert tick, and the step it started run to its end.
void advertTick(PlayerWindow& window) {
    window.Timer4->tick();
    EXPECT_TRUE(test::waitUntil([&] { return !window.adverts().stepping(); }, 15000));
}

class AdvertTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        for (int n = 2; n <= 4; ++n) {
            adverts[n] = advertPicture(n);
            site.write("downloads/LUMO/AD" + std::to_string(n) + ".jpg", adverts[n]);
        }
        site.write("downloads/LUMO/image2url.csv",
                   "3,http://three.example/\r\n2,\"https://two.example/\"\r\n"
                   "2,http://second-two.example/\r\n4,/etc/passwd\r\n");
        ASSERT_TRUE(server.running());
        window = makeWindow();
        window->load();
        // As the program keeps it: a host and the folder, with no scheme.
        window->updateSiteHttpBase = server.url("/downloads/LUMO/").substr(7);
    }

    // What the advert image shows after one more tick: 0 for the default picture.
    int tick() {
        advertTick(*window);
        return shownAdvert(*window, adverts);
    }

    test::TempFolder site;
    test::PythonHttpServer server{site.path()};
    std::unique_ptr<PlayerWindow> window;
    std::map<int, std::string> adverts;
};

TEST_F(AdvertTest, CyclesThroughTheServedAdvertsWithTheDefaultPictureBetween) {
    std::vector<int> shown;
    for (int i = 0; i < 12; ++i) {
        shown.push_back(tick());
    }
    // 20 s of the default picture, 2, 3, 4, 10 s (advert 5 is missing), 2, 3, 4, 20 s...
    EXPECT_EQ(shown, (std::vector<int>{0, 2, 3, 4, 0, 2, 3, 4, 0, 0, 2, 3}));
    EXPECT_EQ(server.requestCount("/downloads/LUMO/AD2.jpg"), 1) << "fetched once a run";
    EXPECT_EQ(server.requestCount("/downloads/LUMO/image2url.csv"), 1);
    EXPECT_TRUE(dir.read("ADS/AD3.jpg") == adverts[3]);

    // The first line of a number wins; only network addresses reach the desktop.
    EXPECT_EQ(state.advertLink, "http://three.example/");
    QTest::mouseClick(window->Image14, Qt::LeftButton);
    tick(); // 4: its link is a local path
    EXPECT_EQ(state.advertLink, "/etc/passwd");
    QTest::mouseClick(window->Image14, Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<std::string>{"http://three.example/"});
    while (state.advertNumber != 2) {
        tick();
    }
    EXPECT_EQ(state.advertLink, "https://two.example/");

    // Leaving empties the advert folder; the link file stays.
    window->close();
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "ADS"));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "image2url.csv"));
}

TEST_F(AdvertTest, WithoutANetworkTheDefaultPictureStaysAndNothingIsSaid) {
    window->updateSiteHttpBase = "127.0.0.1:" + std::to_string(test::closedLoopbackPort()) + "/";
    std::vector<int> shown;
    for (int i = 0; i < 6; ++i) {
        shown.push_back(tick());
    }
    EXPECT_EQ(shown, std::vector<int>(6, 0));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(state.advertListComplete, 1);
    EXPECT_EQ(state.advertLink, "");
}

// The studio camera and the adverts fetch at the same time, each on its own clocks: a silent
// camera does not end the advert rotation, and silent adverts do not fail the camera.
class OverlappingFetchesTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        defaultStationWithCamera(site.url("/cam.jpg"));
        for (int n = 2; n <= 3; ++n) {
            adverts[n] = advertPicture(n);
        }
        window = makeWindow();
        window->load();
        window->updateSiteHttpBase = site.url("/downloads/LUMO/").substr(7);
        QTest::mouseClick(window->Image32, Qt::LeftButton); // the feed on
    }
    test::LoopbackHttpServer::Resource late(const std::string& body) const {
        test::LoopbackHttpServer::Resource resource{"image/png", body};
        resource.answerAfterMilliseconds = 500;
        return resource;
    }
    // Both ticks at once, then the event loop until both steps have ended.
    void bothTick() {
        window->Timer8->tick();
        window->Timer4->tick();
        ASSERT_TRUE(test::waitUntil(
            [&] { return !window->liveFeed().refreshing() && !window->adverts().stepping(); },
            15000));
    }

    test::LoopbackHttpServer site;
    std::unique_ptr<PlayerWindow> window;
    std::map<int, std::string> adverts;
};

TEST_F(OverlappingFetchesTest, ASilentCameraLeavesTheAdvertsRotating) {
    site.serve("/cam.jpg", {"image/jpeg", "", true});
    site.serve("/downloads/LUMO/AD2.jpg", late(adverts[2]));
    site.serve("/downloads/LUMO/AD3.jpg", late(adverts[3]));
    advertTick(*window); // the first tick shows nothing new
    bothTick();
    EXPECT_EQ(window->Label3->text(), "Live Feed Failed ... ");
    EXPECT_EQ(shownAdvert(*window, adverts), 2);
    EXPECT_EQ(state.advertListComplete, 0) << "the rotation goes on";
    advertTick(*window);
    EXPECT_EQ(shownAdvert(*window, adverts), 3);
}

TEST_F(OverlappingFetchesTest, SilentAdvertsLeaveTheCameraWorking) {
    site.serve("/cam.jpg", late(test::jpegOf(Qt::red)));
    site.serve("/downloads/LUMO/AD2.jpg", {"image/png", "", true});
    advertTick(*window);
    window->Timer4->tick(); // the advert first, this time
    window->Timer8->tick();
    // Each is looked at as it ends: the countdown replaces "Live Feed Updated" a second later.
    ASSERT_TRUE(test::waitUntil([&] { return !window->liveFeed().refreshing(); }, 15000));
    EXPECT_EQ(window->Label3->text(), "Live Feed Updated");
    EXPECT_TRUE(window->adverts().stepping()) << "the two overlapped";
    ASSERT_TRUE(test::waitUntil([&] { return !window->adverts().stepping(); }, 15000));
    EXPECT_EQ(shownAdvert(*window, adverts), 0) << "advert 2 never came: the default picture";
}

} // namespace
} // namespace lumo
