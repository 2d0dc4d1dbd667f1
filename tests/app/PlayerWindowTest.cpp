#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "Wav.h"
#include "app/ScrollingCaption.h"
#include "catalogue/BuiltInStation.h"
#include "chooser/Stations.h"
#include "media/VideoWidget.h"
#include "media/VlcMediaPlayer.h"
#include "platform/ClickLabel.h"
#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

class PlayerWindowTest : public ::testing::Test, protected test::PlayerWindowFixture {};

bool samePicture(const QPixmap& a, const QPixmap& b) {
    return !a.isNull() && a.toImage() == b.toImage();
}

TEST_F(PlayerWindowTest, TheWindowIsTheSkinLessItsBottomStripCentredOnTheScreen) {
    auto window = makeWindow();
    window->load();
    EXPECT_EQ(window->windowTitle(), "Lumo");
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->picture1.size(), QSize(299, 388));
    EXPECT_EQ(window->size(), QSize(299, 381));
    EXPECT_FALSE(window->Image15->isVisible()); // the fallback skin stays hidden at 96 dpi
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(screen.width() / 2 - 299 / 2, screen.height() / 2 - 381 / 2));
}

TEST_F(PlayerWindowTest, ControlsSitAtTheirDesignPlaces) {
    auto window = makeWindow();
    EXPECT_EQ(window->MD->geometry(), QRect(31, 127, 231, 159));
    EXPECT_EQ(window->MD->toolTip(), "Press Escape for Normal View");
    EXPECT_EQ(window->Image1->geometry(), QRect(8, 344, 36, 33));
    EXPECT_EQ(window->Image2->geometry(), QRect(48, 344, 36, 33));
    EXPECT_EQ(window->Image25->geometry(), QRect(88, 344, 36, 33));
    EXPECT_EQ(window->Image4->geometry(), QRect(272, 3, 18, 16));
    EXPECT_EQ(window->Image22->geometry(), QRect(0, 152, 25, 25));
    EXPECT_EQ(window->Label2->geometry(), QRect(24, 99, 249, 17));
    EXPECT_EQ(window->Image4->toolTip(), "Shutdown");
    EXPECT_EQ(window->Image7->toolTip(), "Lad Default Station");
    EXPECT_EQ(window->Label2->toolTip(), "Click here to view Website of this Station");
    EXPECT_EQ(window->Image23->toolTip(), "Set this Station as the Default");
    EXPECT_EQ(window->Image29->toolTip(), "Lumo Stays on Top of all screens");
    // The default-station label lies below the visible window.
    EXPECT_GE(window->Label7->y(), 381);
    // Every button shows a picture and every picture store was loaded.
    for (const QPixmap* store :
         {&window->Image8,  &window->Image9,  &window->Image10, &window->Image11, &window->Image12,
          &window->Image13, &window->Image16, &window->Image17, &window->Image24, &window->Image26,
          &window->Image27, &window->Image28, &window->Image30, &window->Image31, &window->Image33,
          &window->Image34, &window->Image36, &window->Image37, &window->Image40, &window->Image41,
          &window->Image42}) {
        EXPECT_FALSE(store->isNull());
    }
    EXPECT_TRUE(samePicture(window->Image2->pixmap(), window->Image8));
    EXPECT_TRUE(samePicture(window->Image1->pixmap(), window->Image11));
    EXPECT_TRUE(samePicture(window->Image25->pixmap(), window->Image28));
    // The skin marks its outside with the colour of its first pixel.
    EXPECT_EQ(window->picture1.pixel(0, 0), window->picture1.pixel(298, 387));
    EXPECT_NE(window->picture1.pixel(0, 0), window->picture1.pixel(150, 200));
}

TEST_F(PlayerWindowTest, StartUpSetsTimersVolumeAndPlaysTheBuiltInStation) {
    auto window = makeWindow();
    EXPECT_EQ(window->Timer1->interval(), 0);
    window->load();
    EXPECT_EQ(window->Timer1->interval(), 500);
    EXPECT_EQ(window->Timer4->interval(), 10000);
    for (Timer* stopped : {window->Timer2, window->Timer5, window->Timer6, window->Timer7,
                           window->Timer8, window->Timer9, window->Timer10, window->Timer11}) {
        EXPECT_EQ(stopped->interval(), 0);
    }
    EXPECT_EQ(window->playback().statusCycle().statusTickCount, 11);
    EXPECT_EQ(window->updateSiteHttpBase.substr(window->updateSiteHttpBase.size() - 15),
              "downloads/LUMO/");
    EXPECT_EQ(state.volumeLevel, 100);
    EXPECT_EQ(media->volume(), 100);
    EXPECT_EQ(state.stayOnTopMode, 1);
    EXPECT_TRUE(samePicture(window->Image14->pixmap(), window->Image24));
    EXPECT_EQ(media->url, kBuiltInStreamUrl);
    EXPECT_EQ(state.shownStationName, "BBC Radio 1 (WebCam)");
    EXPECT_EQ(window->Label7->text(), "");
    EXPECT_EQ(window->Label4->text(), ""); // no station list: the date keeps its caption

    // A title too long for the status line ends in an ellipsis; the whole is its tooltip and
    // what screen readers read. A short one has no tooltip.
    const QString longTitle = QStringLiteral(
        "The Extraordinarily Long Band Name Orchestra - A Song Whose Title Goes On And On");
    media->state = PlayState::Playing;
    media->statusText = longTitle.toStdString();
    window->Timer1->tick();
    EXPECT_TRUE(window->Label1->text().endsWith(QChar(0x2026)))
        << window->Label1->text().toStdString();
    EXPECT_EQ(window->Label1->toolTip(), longTitle);
    EXPECT_EQ(window->Label1->accessibleName(), longTitle);
    // While the pointer rests on it, it scrolls through the whole, through status ticks too;
    // away from it, or fitting, no timer runs.
    Timer& scroll = window->statusScroll().stepper();
    EXPECT_EQ(scroll.interval(), 0);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window->Label1, &enter);
    EXPECT_GT(scroll.interval(), 0);
    EXPECT_TRUE(window->Label1->text().startsWith(QStringLiteral("The Extraordinarily")));
    for (int step = 0; step < 4; ++step) {
        scroll.tick();
    }
    window->Timer1->tick();
    EXPECT_TRUE(window->Label1->text().startsWith(QStringLiteral("Extraordinarily")))
        << window->Label1->text().toStdString();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window->Label1, &leave);
    EXPECT_EQ(scroll.interval(), 0);
    EXPECT_TRUE(window->Label1->text().endsWith(QChar(0x2026)));
    media->statusText = "Short - Song";
    window->Timer1->tick();
    QApplication::sendEvent(window->Label1, &enter);
    EXPECT_EQ(scroll.interval(), 0);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Short - Song"));
    EXPECT_TRUE(window->Label1->toolTip().isEmpty());

    // The volume the listener leaves is the next start's.
    window->playback().setVolume(30);
    window.reset();
    window = makeWindow();
    window->load();
    EXPECT_EQ(state.volumeLevel, 30);
    EXPECT_EQ(media->volume(), 30);
}

TEST_F(PlayerWindowTest, TheStationListsDateIsShownAtStartUpAndAfterAnUpdate) {
    const auto list = dir.write("Lumo.csv", "\"RADIO\",\"Jazz\",\"J\",\"p\",\"s\",\"NONE\"\r\n");
    const struct timespec written[2] = {{1702123200, 0}, {1702123200, 0}}; // 9 December 2023
    ASSERT_EQ(::utimensat(AT_FDCWD, list.c_str(), written, 0), 0);
    auto window = makeWindow();
    window->load();
    EXPECT_EQ(window->Label4->text(), "09/12/2023");
    // The update below goes to the fixture's closed port and fails.
    std::filesystem::remove(list); // a missing list leaves the caption as it was
    QTest::mouseClick(window->Image5, Qt::LeftButton);
    ASSERT_TRUE(test::waitUntil([&] { return !window->updater().running(); }, 20000));
    EXPECT_EQ(window->Label4->text(), "09/12/2023");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PlayerWindowTest, StartUpWithTheDefaultViewerHandsTheStreamToTheDesktop) {
    dir.write("DEFAULTVIEWER", "1\r\n");
    dir.write("DEFAULT",
              "\"RADIO\",\"Jazz\",\"http://jazz\",\"http://127.0.0.1:9/j\",\"NONE\"\r\n");
    auto window = makeWindow();
    window->load();
    // Once by the player window's start-up, once by the chooser it opens.
    EXPECT_EQ(shell.opened, std::vector<std::string>(2, "http://127.0.0.1:9/j"));
    EXPECT_TRUE(media->urlsGiven.empty());
    EXPECT_EQ(window->Timer1->interval(), 0);
    ASSERT_NE(window->chooser(), nullptr);
    EXPECT_TRUE(window->chooser()->isMinimized());
    EXPECT_EQ(window->Label7->text(), "Jazz");
}

TEST_F(PlayerWindowTest, StartUpWithTheHostedPlayerPlaysTheDefaultStation) {
    dir.write("DEFAULTVIEWER", "0\r\n");
    dir.write("DEFAULT",
              "\"RADIO\",\"Jazz\",\"http://jazz\",\"http://127.0.0.1:9/j\",\"NONE\"\r\n");
    auto window = makeWindow();
    window->load();
    EXPECT_EQ(media->url, "http://127.0.0.1:9/j");
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(window->Timer1->interval(), 500);
    EXPECT_EQ(state.shownStationName, "Jazz");
}

TEST_F(PlayerWindowTest, TheDefaultViewerWithAnUnusableFileStillPlaysTheBuiltInStation) {
    dir.write("DEFAULTVIEWER", "1\r\n");
    dir.write("DEFAULT", "\"RADIO\",\"Jazz\"\r\n");
    auto window = makeWindow();
    window->load();
    EXPECT_EQ(media->url, kBuiltInStreamUrl);
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(PlayerWindowTest, MarkupFromFilesAndStreamsIsShownAsItsLiteralCharacters) {
    const std::string markup = "<b>Hi</b><img src=x>";
    dir.write("DEFAULT", "\"RADIO\",\"" + markup +
                             "\",\"http://p\",\"http://127.0.0.1:9/s\","
                             "\"NONE\"\r\n");
    dir.write("Lumo.csv",
              "\"RADIO\",\"" + markup + "\",\"" + markup + "\",\"p\",\"s\",\"NONE\"\r\n");
    auto window = makeWindow();
    window->load();
    media->statusText = markup;
    window->Timer1->tick();
    EXPECT_EQ(window->Label1->text().toStdString(), markup);
    EXPECT_EQ(window->Label2->text().toStdString(), markup);
    EXPECT_EQ(window->Label7->text().toStdString(), markup);
    window->loadChooser();
    ASSERT_NE(window->chooser(), nullptr);
    // Every caption of both windows, whatever it shows now or later, is plain text.
    for (QWidget* top : std::initializer_list<QWidget*>{window.get(), window->chooser()}) {
        for (const QLabel* label : top->findChildren<QLabel*>()) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
        }
    }
    EXPECT_EQ(window->chooser()->Label1->text().toStdString(), markup);

    // (The desktop's message boxes too: see the QtMessageBoxes tests.)
}

TEST_F(PlayerWindowTest, WithoutASessionBusThePlayerStartsAndPlaysAsBefore) {
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
    desktopBus = true;
    dir.write("DEFAULT",
              "\"RADIO\",\"Jazz\",\"http://jazz\",\"http://127.0.0.1:9/j\",\"NONE\"\r\n");
    auto window = makeWindow();
    window->load();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(media->url, "http://127.0.0.1:9/j");
    EXPECT_TRUE(messages.shown.empty());
}

class AdvertFolderTest : public PlayerWindowTest {
protected:
    void SetUp() override {
        dir.write("ADS/AD1.jpg", "jpeg");
        dir.write("ADS/AD2.jpg", "jpeg");
        dir.write("ADS/notes", "x");
        dir.write("image2url.csv", "\"http://x\"\r\n");
    }
    bool advertFolderEmptied() const {
        return fs::is_directory(dir.path() / "ADS") && fs::is_empty(dir.path() / "ADS") &&
               fs::exists(dir.path() / "image2url.csv");
    }
};

TEST_F(AdvertFolderTest, TheShutdownButtonStopsEmptiesTheAdvertFolderAndEnds) {
    auto window = makeWindow();
    window->load();
    QTest::mouseClick(window->Image4, Qt::LeftButton);
    EXPECT_TRUE(advertFolderEmptied());
    EXPECT_EQ(endRequests, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(media->calls.back(), "stop");
}

TEST_F(AdvertFolderTest, ClosingTheWindowEmptiesTheAdvertFolder) {
    auto window = makeWindow();
    window->load();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(advertFolderEmptied());
    EXPECT_EQ(endRequests, 1); // the player window is the program
}

TEST_F(AdvertFolderTest, ReleasingTheWindowEmptiesTheAdvertFolderToo) {
    auto window = makeWindow();
    dir.write("ads/AD3.jpg", "late");
    window.reset();
    EXPECT_TRUE(advertFolderEmptied());
}

TEST_F(PlayerWindowTest, ClosingWithoutAnAdvertFolderIsQuiet) {
    auto window = makeWindow();
    window->load();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(fs::exists(dir.path() / "ADS"));
}

TEST_F(PlayerWindowTest, MinimiseAndTheSetDefaultButton) {
    auto window = makeWindow();
    window->load();
    QTest::mouseClick(window->Image23, Qt::LeftButton);
    EXPECT_EQ(dir.read("DEFAULT"), std::string("\"RADIO\",\"BBC Radio 1 (WebCam)\",\"") +
                                       kBuiltInWebPage + "\",\"" + kBuiltInStreamUrl + "\",\"" +
                                       kBuiltInLiveFeedUrl + "\"\r\n");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "Default Station Set");
    EXPECT_TRUE(window->isVisible());

    QTest::mouseClick(window->Image3, Qt::LeftButton);
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
}

TEST_F(PlayerWindowTest, InformationAndHelpButtonsShowTheirPressedPictures) {
    auto window = makeWindow();
    window->load();
    QTest::mousePress(window->Image38, Qt::LeftButton);
    EXPECT_TRUE(samePicture(window->Image38->pixmap(), window->Image37));
    QTest::mouseRelease(window->Image38, Qt::LeftButton);
    EXPECT_TRUE(samePicture(window->Image38->pixmap(), window->Image36));
    QTest::mousePress(window->Image39, Qt::LeftButton);
    EXPECT_TRUE(samePicture(window->Image39->pixmap(), window->Image41));
    QTest::mouseRelease(window->Image39, Qt::LeftButton);
    EXPECT_TRUE(samePicture(window->Image39->pixmap(), window->Image40));
}

TEST_F(PlayerWindowTest, ClicksOnTheVideoReachTheMediaPlayersListeners) {
    auto window = makeWindow();
    int clicks = 0;
    int doubles = 0;
    VlcMediaPlayer::Options options;
    options.vlcArguments = {"--aout=dummy", "--vout=dummy"};
    VlcMediaPlayer real(window->MD, network, options);
    real.onClick([&] { ++clicks; });
    real.onDoubleClick([&] { ++doubles; });
    QTest::mouseClick(window->MD, Qt::LeftButton);
    QTest::mouseDClick(window->MD, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TEST_F(PlayerWindowTest, FullScreenMovesTheVideoOutAndEscapeBringsItBack) {
    auto window = makeWindow();
    window->load();
    VideoWidget* video = window->MD;
    const WId nativeWindow = video->winId();
    video->setFullScreen(true);
    ASSERT_NE(video->fullScreenWindow(), nullptr);
    EXPECT_EQ(video->window(), video->fullScreenWindow());
    EXPECT_EQ(video->winId(), nativeWindow);
    QTest::keyClick(video, Qt::Key_Escape);
    ASSERT_TRUE(test::waitUntil([&] { return !video->isFullScreen(); }, 2000));
    EXPECT_EQ(video->parentWidget(), window.get());
    EXPECT_EQ(video->geometry(), QRect(31, 127, 231, 159));
    EXPECT_EQ(video->winId(), nativeWindow);
}

// The real libVLC behind the window: a default station served on 127.0.0.1 reaches playing, and
// the title it sends is shown as it stands, markup and all.
TEST_F(PlayerWindowTest, TheDefaultStationFromTheFilePlaysThroughLibVlc) {
    const std::string markup = "<img src='/dev/zero'> & <b>Artist</b>";
    test::LoopbackHttpServer server;
    auto live = test::LoopbackHttpServer::Resource{"audio/wav", test::endlessSineWav(2, 22050),
                                                   false, 44100, test::kWavHeaderBytes};
    live.icyTitle = markup;
    server.serve("/station", live);
    dir.write("DEFAULT",
              "\"RADIO\",\"Loopback FM\",\"\",\"" + server.url("/station") + "\",\"NONE\"\r\n");
    auto window = makeWindowWithLibVlc();
    window->load();
    EXPECT_TRUE(
        test::waitUntil([&] { return window->media().playState() == PlayState::Playing; }, 15000))
        << window->media().status();
    EXPECT_EQ(state.shownStationName, "Loopback FM");
    EXPECT_EQ(window->media().URL(), server.url("/station"));
    EXPECT_TRUE(
        test::waitUntil([&] { return window->Label1->text().toStdString() == markup; }, 15000))
        << window->Label1->text().toStdString() << server.requests("/station").front();
    EXPECT_EQ(window->Label1->textFormat(), Qt::PlainText);
}

} // namespace
} // namespace lumo
