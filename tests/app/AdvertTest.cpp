// The advert rotation through the player window, against a served site folder.
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "PythonHttpServer.h"
#include "app/AdvertRotation.h"
#include "platform/ClickLabel.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// An advert picture of at least 1000 bytes: noise does not compress.
std::string advertPicture(int seed) {
    QImage image(120, 40, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(seed));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, random.generate() | 0xff000000u);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG"); // any picture format the image loader knows
    return bytes.toStdString();
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
        window->Timer4->tick();
        const QImage shown = window->Image14->pixmap().toImage();
        if (shown == window->Image24.toImage()) {
            return 0;
        }
        for (const auto& [n, bytes] : adverts) {
            if (shown == QImage::fromData(QByteArray::fromStdString(bytes))) {
                return n;
            }
        }
        return -1;
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

} // namespace
} // namespace lumo
