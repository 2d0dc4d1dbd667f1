// The station chooser in a real window under Xvfb, with the starter catalogue.
#include "../app/PlayerWindowFixture.h"
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "Pictures.h"
#include "catalogue/StationInfo.h"
#include "chooser/RowLogos.h"
#include "chooser/Stations.h"
#include "platform/ClickLabel.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class ChooserScreenshotTest : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(ChooserScreenshotTest, TheChooserShowsTheStarterCatalogue) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        FAIL() << "needs an X display (the suite runs under Xvfb)";
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

// A logo of two halves, left red and right blue, twice as wide as high: a shown copy that is
// stretched, cut or misplaced does not match it.
std::string halvesPng() {
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 100, 100, Qt::red);
    painter.fillRect(100, 0, 100, 100, Qt::blue);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

bool near(QRgb pixel, QColor colour) {
    const QColor seen(pixel);
    return std::abs(seen.red() - colour.red()) < 40 &&
           std::abs(seen.green() - colour.green()) < 40 &&
           std::abs(seen.blue() - colour.blue()) < 40;
}

// Directory stations with logos: the playing one's fills the picture area, and the list shows
// them small beside the rows in view, fetching no others.
TEST_F(ChooserScreenshotTest, LogosShowInThePictureAreaAndBesideTheRowsInView) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        FAIL() << "needs an X display (the suite runs under Xvfb)";
    }
    test::LoopbackHttpServer logos;
    logos.serve("/halves.png", {"image/png", halvesPng()});
    std::string list;
    std::vector<StationInfo> info;
    constexpr int kStations = 300;
    for (int i = 0; i < kStations; ++i) {
        const std::string name = "Jazz " + std::to_string(1000 + i);
        const std::string stream = "http://127.0.0.1:9/" + std::to_string(i);
        list.append("\"RADIO\",\"Jazz\",\"").append(name).append("\",\"NONE\",\"");
        list.append(stream).append("\",\"NONE\"\r\n");
        const std::string logo = "/logo" + std::to_string(i) + ".jpg";
        if (i > 0) {
            logos.serve(logo, {"image/jpeg", test::jpegOf(Qt::green, 32, 32)});
        }
        // One station names a local file: the allow-list keeps it from being read.
        const std::string address = i == 0   ? logos.url("/halves.png")
                                    : i == 2 ? std::string("file:///etc/passwd")
                                             : logos.url(logo);
        info.push_back({stream, "", "", "", "", "jazz", "", "", address, ""});
    }
    dir.write("Lumo.csv", list);
    dir.write("STATIONINFO", stationInfoText("", info));
    auto window = makeWindow();
    window->load();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    state.CurrentStation.kind = "RADIO";
    media->setURL("http://127.0.0.1:9/0");
    media->state = PlayState::Playing;
    window->Timer1->tick();
    window->Timer1->tick();
    QLabel* logo = window->logoView();
    ASSERT_TRUE(test::waitUntil([&] { return !logo->isHidden(); }, 5000));
    const QRect area = logo->geometry();
    QImage shot;
    const auto halvesShown = [&] {
        shot = QGuiApplication::primaryScreen()->grabWindow(window->winId()).toImage().copy(area);
        const QPoint middle = shot.rect().center();
        const int quarter = std::min(area.width(), area.height()) * 2 / 3 / 4;
        // Its shape kept: red left and blue right of the middle, black above and below.
        return near(shot.pixel(middle.x() - quarter, middle.y()), Qt::red) &&
               near(shot.pixel(middle.x() + quarter, middle.y()), Qt::blue) &&
               near(shot.pixel(middle.x() - quarter, middle.y() - quarter * 3 / 2), Qt::black) &&
               near(shot.pixel(middle.x() + quarter, middle.y() + quarter * 3 / 2), Qt::black);
    };
    EXPECT_TRUE(test::waitUntil(halvesShown, 5000));
    QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
    shot.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/station-logo.png"));

    QTest::mouseClick(window->Image6, Qt::LeftButton);
    Stations* chooser = window->chooser();
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
    const int jazz = chooser->Combo1->findText(QStringLiteral("Jazz"));
    ASSERT_GE(jazz, 0);
    chooser->Combo1->setCurrentIndex(jazz);
    emit chooser->Combo1->activated(jazz);
    QListWidget* rows = chooser->List1;
    ASSERT_EQ(rows->count(), kStations);
    const auto fetched = [&] {
        int count = 0;
        for (int i = 1; i < kStations; ++i) {
            count += logos.requestCount("/logo" + std::to_string(i) + ".jpg");
        }
        return count;
    };
    const auto green = [](const QListWidgetItem* item) {
        const QImage icon = item->icon().pixmap(RowLogos::kSide).toImage();
        return !icon.isNull() && near(icon.pixel(icon.width() / 2, icon.height() / 2), Qt::green);
    };
    ASSERT_TRUE(test::waitUntil([&] { return green(rows->item(1)); }, 10000)) << fetched();
    const QListWidgetItem* lastInView = rows->itemAt(QPoint(2, rows->viewport()->height() - 2));
    ASSERT_NE(lastInView, nullptr);
    const int inView = rows->row(lastInView) + 1;
    ASSERT_LT(inView, kStations / 2);
    ASSERT_TRUE(test::waitUntil([&] { return green(lastInView); }, 10000)) << fetched();
    EXPECT_LE(fetched(), inView + RowLogos::kAtOnce) << "only the rows in view";
    EXPECT_EQ(logos.requestCount("/logo" + std::to_string(kStations - 1) + ".jpg"), 0);
    // On screen: the logo's green beside the name, which keeps its place in line.
    const QRect row = rows->visualItemRect(rows->item(inView - 2)); // wholly in view
    const QPoint iconAt = rows->viewport()->mapTo(
        chooser, row.topLeft() + QPoint(4 + RowLogos::kSide / 2, row.height() / 2));
    EXPECT_TRUE(test::waitUntil(
        [&] {
            const QImage seen =
                QGuiApplication::primaryScreen()->grabWindow(chooser->winId()).toImage();
            return near(seen.pixel(iconAt), Qt::green);
        },
        5000));

    // Scrolled to the end, the last rows' logos come; the ones scrolled past are not asked again.
    const int before = fetched();
    rows->verticalScrollBar()->setValue(rows->verticalScrollBar()->maximum());
    ASSERT_TRUE(test::waitUntil([&] { return green(rows->item(kStations - 1)); }, 10000));
    EXPECT_LE(fetched() - before, inView + RowLogos::kAtOnce);
    rows->verticalScrollBar()->setValue(0);
    QTest::qWait(300);
    EXPECT_TRUE(green(rows->item(1)));
    EXPECT_EQ(logos.requestCount("/logo1.jpg"), 1);
    EXPECT_FALSE(green(rows->item(2))) << "no logo from a file";
}

} // namespace
} // namespace lumo
