// The player window and the About window on a screen of twice the density (the suite runs this
// with QT_SCALE_FACTOR=2): what they show is drawn for it, not a 1x picture stretched.
#include "PlayerWindowFixture.h"
#include "chooser/Stations.h"
#include "info/InfoWindow.h"
#include "media/VideoWidget.h"
#include "platform/ClickLabel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// How far apart two pictures of the same size are: the mean difference per colour channel.
double difference(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * x.width() * x.height());
}

// The credits as they would look drawn at `ratio` times the pixels.
QImage creditsAt(qreal ratio) {
    QImage picture(QSize(400, 400) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter p(&picture);
    p.drawPixmap(0, 0, About::creditsBackground());
    for (const About::Credit& credit : About::credits()) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(credit.pixels);
        font.setBold(credit.bold);
        p.setFont(font);
        p.setPen(credit.colour);
        p.drawText(credit.place, Qt::AlignCenter, credit.text);
    }
    return picture;
}

class HighDensityTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() != 2.0) {
            FAIL() << "needs QT_SCALE_FACTOR=2 (the suite sets it)";
        }
        window = makeWindow();
        window->load();
    }
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(HighDensityTest, TheAboutCreditsAndTheSkinAreDrawnAtTwiceThePixels) {
    QTest::mouseClick(window->Image38, Qt::LeftButton);
    QWidget* about = window->infoWindow();
    ASSERT_NE(about, nullptr);
    const QImage shot = about->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(800, 800));
    // The title and the lines under it, where the text is.
    const QRect text(0, 2 * 34, 800, 2 * 200);
    const QImage sharp = creditsAt(2).copy(text);
    const QImage stretched =
        creditsAt(1).scaled(800, 800, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).copy(text);
    const double toSharp = difference(shot.copy(text), sharp);
    const double toStretched = difference(shot.copy(text), stretched);
    EXPECT_LT(toSharp, 1.0);
    EXPECT_LT(toSharp * 3, toStretched) << toSharp << " vs " << toStretched;

    // The player's skin is the 2x drawing, not the 1x one stretched.
    delete about;
    const QImage player = window->grab().toImage();
    const QImage skin2x(QStringLiteral(":/artwork/skin@2x.png"));
    ASSERT_FALSE(skin2x.isNull());
    const QRect panel(2 * 130, 2 * 340, 2 * 60, 2 * 40); // the LUMO lettering, bare skin
    EXPECT_LT(difference(player.copy(panel), skin2x.copy(panel)), 1.0);
    // Buttons too: the play button shows its 2x picture.
    EXPECT_EQ(window->Image2->pixmap().devicePixelRatio(), 2.0);
}

// The pictures software centres show (the AppStream metadata's), drawn at twice the pixels: the
// player playing a station, cut along its outline, and the station chooser.
TEST_F(HighDensityTest, TheScreenshotsAreTakenAtTwiceThePixels) {
    window.reset();
    std::filesystem::copy_file(LUMO_ASSETS_DIR "/Lumo.csv", dir.path() / "Lumo.csv");
    dir.write("DEFAULT", "\"RADIO\",\"SomaFM Groove Salad\",\"https://somafm.com/\","
                         "\"http://127.0.0.1:9/g\",\"NONE\"\r\n");
    window = makeWindow();
    window->load();
    media->state = PlayState::Playing;
    media->statusText = "Bonobo - Kerala";
    window->Timer1->tick();
    QImage player = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(player.size(), QSize(598, 762));
    // The video rectangle is libVLC's (black, with no video), not the grab's to show.
    QPainter(&player).fillRect(window->MD->geometry(), Qt::black);
    const QRegion outline = window->mask();
    for (int y = 0; y < player.height(); ++y) {
        for (int x = 0; x < player.width(); ++x) {
            if (!outline.contains(QPoint(x / 2, y / 2))) {
                player.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    window->loadChooser();
    Stations* chooser = window->chooser();
    ASSERT_NE(chooser, nullptr);
    chooser->Combo1->setCurrentIndex(chooser->Combo1->findText(QStringLiteral("Ambient")));
    chooser->genreChosen();
    ASSERT_GT(chooser->List1->count(), 0);
    const QImage list = chooser->grab().toImage();
    ASSERT_EQ(list.size(), QSize(462, 890));
    QDir().mkpath(QStringLiteral(LUMO_SCREENSHOT_DIR));
    EXPECT_TRUE(player.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/player-window@2x.png")));
    EXPECT_TRUE(list.save(QStringLiteral(LUMO_SCREENSHOT_DIR "/station-chooser@2x.png")));
}

// At every density (the suite runs this at 1, 1.5 and 2): no pixel of the skin's key colour
// inside the window's outline, and the volume knob inside the outline over all its travel.
class SkinAtDensityTest : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(SkinAtDensityTest, NoKeyColourShowsAndTheKnobStaysInsideTheOutline) {
    auto window = makeWindow();
    window->load();
    const QRegion outline = window->mask();
    ASSERT_FALSE(outline.isEmpty());
    const QImage shot = window->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const QRgb key = QImage(QStringLiteral(":/artwork/skin.png")).pixel(0, 0);
    const auto keyed = [key](QRgb pixel) {
        return std::abs(qRed(pixel) - qRed(key)) < 48 &&
               std::abs(qGreen(pixel) - qGreen(key)) < 48 &&
               std::abs(qBlue(pixel) - qBlue(key)) < 48;
    };
    // The video rectangle is libVLC's to draw (a grab shows what the platform left there).
    const QRect video = window->MD->geometry();
    int shown = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QPoint logical(static_cast<int>(x / ratio), static_cast<int>(y / ratio));
            shown +=
                outline.contains(logical) && !video.contains(logical) && keyed(shot.pixel(x, y))
                    ? 1
                    : 0;
        }
    }
    EXPECT_EQ(shown, 0) << "key-colour pixels at " << ratio;
    for (const int level : {0, 50, 100}) {
        window->playback().setVolume(level);
        const QRect knob = window->Image22->geometry();
        EXPECT_TRUE((QRegion(knob) - outline).isEmpty())
            << "knob at " << knob.x() << "," << knob.y() << " (volume " << level << ", x" << ratio
            << ") outside by " << (QRegion(knob) - outline).boundingRect().width();
    }
}

} // namespace
} // namespace lumo
