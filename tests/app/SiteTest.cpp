// The player window in a real X window: against the repository's update site served by
// scripts/serve-site (the update installs the site's list, the site's adverts rotate, the live
// feed shows a served still), and with its About and help windows. Screenshots of each go to
// the build's screenshots folder.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "app/AdvertRotation.h"
#include "app/LiveFeed.h"
#include "platform/ClickLabel.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// scripts/serve-site on free ports, stopped with the test.
class ServedSite {
public:
    ServedSite() {
        m_process.start(QStringLiteral(LUMO_SOURCE_DIR "/scripts/serve-site"),
                        {QStringLiteral("--ftp-port"), QStringLiteral("0"),
                         QStringLiteral("--http-port"), QStringLiteral("0")});
        while (m_process.waitForReadyRead(10000)) {
            while (m_process.canReadLine()) {
                const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
                (words.value(0) == "FTP" ? ftpPort : httpPort) = words.value(1).toUShort();
            }
            if (ftpPort != 0 && httpPort != 0) {
                return;
            }
        }
    }
    ~ServedSite() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    std::uint16_t ftpPort = 0;
    std::uint16_t httpPort = 0;

private:
    QProcess m_process;
};

class SiteTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            FAIL() << "needs an X display (the suite runs under Xvfb)";
        }
        ASSERT_NE(site.httpPort, 0);
        dir.write("Lumo.csv",
                  "\"RADIO\",\"Old\",\"Old FM\",\"http://p\",\"http://s\",\"NONE\"\r\n");
        dir.write("DEFAULT", "\"RADIO\",\"Studio FM\",\"https://studio.example/\","
                             "\"http://127.0.0.1:9/s\",\"" +
                                 camera.url("/cam.jpg") + "\"\r\n");
        window = makeWindow();
        window->updater().setSite({"127.0.0.1:" + std::to_string(site.ftpPort), "anonymous", "x"});
        window->load();
        window->updateSiteHttpBase =
            "127.0.0.1:" + std::to_string(site.httpPort) + "/downloads/LUMO/";
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void screenshot(const char* name) {
        QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
        window->grab().save(QStringLiteral(LUMO_SCREENSHOT_DIR "/%1.png").arg(name));
    }

    ServedSite site;
    test::LoopbackHttpServer camera;
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(SiteTest, TheUpdateInstallsTheSitesListAndItsAdvertsRotate) {
    QTest::mouseClick(window->Image5, Qt::LeftButton);
    ASSERT_TRUE(test::waitUntil([&] { return !window->updater().running(); }, 20000));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "Station Update Complete");
    EXPECT_EQ(dir.read("Lumo.csv"), readWholeFile(LUMO_SOURCE_DIR "/site/downloads/LUMO/Lumo.csv"));

    window->Timer4->tick(); // the first ten seconds keep the default picture
    window->Timer4->tick();
    ASSERT_TRUE(test::waitUntil([&] { return !window->adverts().stepping(); }, 20000));
    // Decoded once, at the size the advert image shows it.
    QImageReader reader(QStringLiteral(LUMO_SOURCE_DIR "/site/downloads/LUMO/AD2.jpg"));
    reader.setScaledSize(window->Image14->size() * window->Image14->devicePixelRatioF());
    const QImage ad2 = reader.read();
    const QImage shown = window->Image14->pixmap().toImage();
    EXPECT_EQ(shown, ad2.convertToFormat(shown.format()));
    EXPECT_EQ(state.advertLink, "https://somafm.com/groovesalad/");
    screenshot("player-advert");
}

// The caption lies over the video's native window, which paints nothing behind it: what the
// screen shows there after two changes of text must be the caption as it draws itself, not
// the new text over the old.
TEST_F(SiteTest, TheLiveFeedShowsTheServedStillWithItsCountdown) {
    QImage still(232, 146, QImage::Format_RGB32);
    still.fill(QColor(0x2c, 0x8f, 0xb8));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    still.save(&buffer, "JPG");
    camera.serve("/cam.jpg", {"image/jpeg", jpeg.toStdString()});
    QTest::mouseClick(window->Image32, Qt::LeftButton);
    window->Timer8->tick();
    ASSERT_TRUE(test::waitUntil([&] { return !window->liveFeed().refreshing(); }, 10000));
    window->Timer10->tick();
    test::runFor(150);
    window->Timer10->tick();
    EXPECT_EQ(window->Label3->text(), "Next Update : 58 Secs");
    const QImage shown = window->grab().toImage();
    const QColor centre = shown.pixelColor(window->Image35->geometry().center());
    EXPECT_TRUE(centre.blue() > 150 && centre.red() < 90) << "the served still fills the frame";
    screenshot("player-live-feed");

    test::runFor(300); // the X server has drawn what it was sent
    const QRect caption(window->Label3->mapToGlobal(QPoint(0, 0)), window->Label3->size());
    const QImage onScreen =
        QGuiApplication::primaryScreen()
            ->grabWindow(0, caption.x(), caption.y(), caption.width(), caption.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    const QImage reference = window->Label3->grab().toImage().convertToFormat(QImage::Format_RGB32);
    onScreen.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/live-feed-caption.png"));
    reference.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/live-feed-caption-reference.png"));
    ASSERT_EQ(onScreen.size(), reference.size());
    int differing = 0;
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            differing += onScreen.pixel(x, y) != reference.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "pixels of the caption's crop that are not the caption's own";
}

// The About and help windows as they look on a real display.
class InfoWindowScreenshots : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(InfoWindowScreenshots, AboutAndHelpShowTheirPictures) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        FAIL() << "needs an X display (the suite runs under Xvfb)";
    }
    auto window = makeWindow();
    window->load();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (const auto& [button, name] :
         {std::pair{window->Image38, "about-window"}, std::pair{window->Image39, "help-window"}}) {
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget* info = window->infoWindow();
        ASSERT_NE(info, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(info));
        const QImage shot = info->grab().toImage();
        QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
        shot.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/%1.png").arg(QLatin1String(name)));
        // Drawn, not blank: the picture has the skin's dark background and lighter text.
        EXPECT_LT(shot.pixelColor(3, 3).lightness(), 80);
        int light = 0;
        for (int y = 0; y < shot.height(); y += 2) {
            for (int x = 0; x < shot.width(); x += 2) {
                light += shot.pixelColor(x, y).lightness() > 150 ? 1 : 0;
            }
        }
        EXPECT_GT(light, 200) << name;
        info->close();
        EXPECT_TRUE(window->isVisible());
    }
}

} // namespace
} // namespace lumo
