#include "EventWait.h"
#include "Fakes.h"
#include "PlayerWindowFixture.h"
#include "app/MouseMove1.h"
#include "app/SkinRegion.h"
#include "chooser/Stations.h"
#include "playback/StreamKeeper.h"

#include "media/VideoWidget.h"
#include "platform/ClickLabel.h"
#include "platform/OnTop.h"
#include <QListWidget>

#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace lumo {
namespace {

long pixelCount(const QRegion& region) {
    long count = 0;
    for (const QRect& r : region) {
        count += static_cast<long>(r.width()) * r.height();
    }
    return count;
}

TEST(BuildSkinRegion, OnlyTheFirstPixelOutsideLeavesEveryOtherPixel) {
    QImage skin(7, 5, QImage::Format_RGB32);
    skin.fill(Qt::darkGray);
    skin.setPixel(0, 0, qRgb(255, 0, 255));
    const auto region = BuildSkinRegion(skin);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(pixelCount(*region), 7 * 5 - 1);
    EXPECT_FALSE(region->contains(QPoint(0, 0)));
    EXPECT_TRUE(region->contains(QPoint(1, 0)));
    EXPECT_TRUE(region->contains(QPoint(6, 4)));
}

TEST(BuildSkinRegion, ASingleColourSkinGivesNoRegion) {
    QImage skin(10, 4, QImage::Format_RGB32);
    skin.fill(Qt::blue);
    EXPECT_FALSE(BuildSkinRegion(skin).has_value());
}

TEST(BuildSkinRegion, RunsEndAtTheRightEdgeAndColoursCompareExactly) {
    QImage skin(6, 2, QImage::Format_RGB32);
    skin.fill(qRgb(255, 0, 255));
    skin.setPixel(3, 0, qRgb(254, 0, 255)); // one step off the outside colour still counts
    skin.setPixel(4, 0, qRgb(10, 10, 10));
    skin.setPixel(5, 0, qRgb(10, 10, 10));
    skin.setPixel(1, 1, qRgb(0, 0, 0));
    const auto region = BuildSkinRegion(skin);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(pixelCount(*region), 4);
    EXPECT_TRUE(region->contains(QRect(3, 0, 3, 1)));
    EXPECT_EQ(region->boundingRect().right(), 5);
    EXPECT_TRUE(region->contains(QPoint(1, 1)));
    EXPECT_FALSE(region->contains(QPoint(2, 1)));
}

TEST(BuildSkinRegion, TheRealSkinCoversExactlyItsInsidePixels) {
    const QImage skin(QStringLiteral(LUMO_ASSETS_DIR "/images/skin.png"));
    ASSERT_EQ(skin.size(), QSize(299, 388));
    const QRgb outside = skin.pixel(0, 0);
    long inside = 0;
    for (int y = 0; y < skin.height(); ++y) {
        for (int x = 0; x < skin.width(); ++x) {
            inside += skin.pixel(x, y) != outside ? 1 : 0;
        }
    }
    const auto region = BuildSkinRegion(skin);
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(pixelCount(*region), inside);
    EXPECT_LT(inside, 299L * 388L); // the corners are cut
}

class RecordingVolume : public VolumeSteps {
public:
    void UPVOL() override { steps.emplace_back("up"); }
    void DOWNVOL() override { steps.emplace_back("down"); }
    std::vector<std::string> steps;
};

TEST(VolumeDragStep, BandsAroundTheAnchor) {
    ProgramState state;
    test::FakeScreenCursor cursor;
    RecordingVolume volume;
    cursor.at = {30, 400};
    MOUSEMOVE1::VolumeDragStep(state, cursor, volume); // takes the anchor, holds still
    EXPECT_EQ(state.volumeDragAnchorY, 400);
    EXPECT_TRUE(volume.steps.empty());
    const std::pair<int, const char*> bands[] = {
        {400, nullptr}, {399, "down"}, {396, "down"}, {395, nullptr}, {385, nullptr},
        {384, "up"},    {300, "up"},   {401, "down"}, {480, "down"},
    };
    for (const auto& [y, expected] : bands) {
        volume.steps.clear();
        cursor.at = {30, y};
        MOUSEMOVE1::VolumeDragStep(state, cursor, volume);
        EXPECT_EQ(volume.steps,
                  expected ? std::vector<std::string>{expected} : std::vector<std::string>{})
            << "cursor at y " << y;
        EXPECT_EQ(state.cursorPos.y, y);
    }
}

// Under the pointer means over the banner itself, wherever the screen's width has put it: at
// the top centre of a 1920-pixel screen it lies beyond the band a 1280-pixel screen gives.
TEST(BannerCursorCheck, StepsAsideUnderThePointerOnly) {
    ProgramState state;
    test::FakeScreenCursor cursor;
    QWidget banner;
    banner.setGeometry(826, 0, 267, 57);
    banner.show();
    cursor.at = {900, 10};
    MOUSEMOVE1::BannerCursorCheck(state, cursor, banner);
    EXPECT_FALSE(banner.isVisible());
    EXPECT_EQ(state.lastBannerCursor.x, 900);

    cursor.at = {900, 60};
    MOUSEMOVE1::BannerCursorCheck(state, cursor, banner);
    EXPECT_TRUE(banner.isVisible());
    EXPECT_TRUE(banner.windowFlags() & Qt::WindowStaysOnTopHint);

    cursor.at = {900, 10};
    MOUSEMOVE1::BannerCursorCheck(state, cursor, banner);
    cursor.at = {500, 10}; // inside the old fixed band, beside the banner
    MOUSEMOVE1::BannerCursorCheck(state, cursor, banner);
    EXPECT_TRUE(banner.isVisible());

    // An unmoved pointer changes nothing, even when the banner was hidden meanwhile.
    banner.hide();
    MOUSEMOVE1::BannerCursorCheck(state, cursor, banner);
    EXPECT_FALSE(banner.isVisible());
}

TEST(StayOnTop, TrueFalseAndAnyOtherValue) {
    QWidget window;
    window.show();
    ONTOP::SetOnTop(window, ONTOP::kTrue);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.isVisible());
    ONTOP::SetOnTop(window, 1); // neither true nor false: raised, flag kept
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    ONTOP::SetOnTop(window, ONTOP::kFalse);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    ONTOP::SetOnTop(window, 7);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.hide();
    ONTOP::SetOnTop(window, 7); // and it shows the window
    EXPECT_TRUE(window.isVisible());
}

TEST(StreamKeeperDelays, GrowToThirtySecondsAndGiveUpInTheEnd) {
    EXPECT_EQ(StreamKeeper::delayBefore(1), 1000);
    EXPECT_EQ(StreamKeeper::delayBefore(2), 2000);
    EXPECT_EQ(StreamKeeper::delayBefore(5), 16000);
    EXPECT_EQ(StreamKeeper::delayBefore(6), 30000);
    EXPECT_EQ(StreamKeeper::delayBefore(20), 30000);
}

// A keeper on a fake player and a fake clock, whose looks at the station answer as told (as
// events, as real looks do). attempt() and check() run the keeper's step and its look's answer.
class StreamKeeperTest : public ::testing::Test {
protected:
    StreamKeeperTest() { media.url = "http://127.0.0.1:9/live"; }
    void settle() {
        ASSERT_TRUE(test::waitUntil([&] { return !keeper.looking(); }, 5000));
    }
    void attempt() {
        keeper.attemptNow();
        settle();
    }
    void check() {
        keeper.checkNow();
        settle();
    }

    test::FakeMediaPlayer media;
    std::int64_t now = 0;
    std::vector<std::string> asked;
    std::optional<bool> answers = true;
    StreamKeeper keeper{media,
                        [this](const std::string& address, const StreamKeeper::Answered& answered) {
                            asked.push_back(address);
                            return later([answered, answer = answers] { answered(answer); });
                        },
                        nullptr, [this] { return now; }};
};

TEST_F(StreamKeeperTest, GivesUpAfterItsAttemptsAndLeavesAnotherStationAlone) {
    for (int n = 1; n <= StreamKeeper::kMaxAttempts; ++n) {
        ASSERT_TRUE(keeper.streamDropped(media.url));
        EXPECT_TRUE(keeper.streamDropped(media.url)); // already waiting: not another attempt
        attempt();
    }
    EXPECT_EQ(media.urlsGiven.size(), static_cast<size_t>(StreamKeeper::kMaxAttempts));
    EXPECT_FALSE(keeper.streamDropped(media.url));

    // Playing again for less than a minute between drops does not start the count over: a
    // stream that keeps ending soon after it starts is not fetched without end.
    keeper.streamPlaying();
    now += StreamKeeper::kSteadyMilliseconds - 1;
    keeper.streamPlaying();
    EXPECT_FALSE(keeper.streamDropped(media.url));
    keeper.streamPlaying();
    now += StreamKeeper::kSteadyMilliseconds;
    keeper.streamPlaying(); // a minute of steady play: a later drop starts over
    ASSERT_TRUE(keeper.streamDropped(media.url));
    EXPECT_EQ(keeper.attempts(), 1);
    media.url = "http://127.0.0.1:9/another-station";
    attempt();
    EXPECT_EQ(media.urlsGiven.size(), static_cast<size_t>(StreamKeeper::kMaxAttempts));
    EXPECT_FALSE(keeper.waiting());
}

TEST_F(StreamKeeperTest, AStationThatIsAwayIsOnlyLookedAtAndAtMostEveryThreeSeconds) {
    answers = false;
    ASSERT_TRUE(keeper.streamDropped(media.url));
    attempt(); // the first attempt finds it away: a look, nothing for the player
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(media.urlsGiven.empty());
    EXPECT_EQ(keeper.attempts(), 2) << "the look spent the first attempt";
    EXPECT_GT(keeper.untilNextAttempt(), StreamKeeper::kCheckMilliseconds - 100)
        << "the next attempt is due in 2 s, but not sooner than 3 s after the look";
    for (int n = 2; n <= 4; ++n) { // the next wait is 16 s
        now += StreamKeeper::delayBefore(n);
        attempt();
    }
    ASSERT_EQ(keeper.attempts(), 5);
    now += 3000;
    check(); // not there yet
    check(); // too soon to ask again
    EXPECT_EQ(asked.size(), 5u);
    EXPECT_TRUE(keeper.waiting());
    now += 3000;
    answers = true;
    check(); // back: the attempt is made at once
    EXPECT_EQ(media.urlsGiven, std::vector<std::string>{media.url});
    EXPECT_FALSE(keeper.waiting());
    EXPECT_EQ(keeper.attempts(), 5) << "a look between attempts is not an attempt";

    answers = false; // gone again: the looks spend the attempts that are left, then it gives up
    ASSERT_TRUE(keeper.streamDropped(media.url));
    while (keeper.waiting()) {
        now += 30000;
        attempt();
    }
    EXPECT_EQ(keeper.attempts(), StreamKeeper::kMaxAttempts);
    EXPECT_FALSE(keeper.streamDropped(media.url));
    EXPECT_EQ(media.urlsGiven.size(), 1u);
}

TEST_F(StreamKeeperTest, StationsThatCannotBeLookedAtAreGivenToThePlayer) {
    media.url = "rtsp://127.0.0.1:9/live";
    answers = std::nullopt;
    ASSERT_TRUE(keeper.streamDropped(media.url));
    now += 3000;
    check(); // between attempts nothing is known: no early attempt
    EXPECT_TRUE(media.urlsGiven.empty());
    attempt();
    EXPECT_EQ(media.urlsGiven, std::vector<std::string>{media.url});
}

class WindowBehaviourTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        window = makeWindow();
        window->load();
    }
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(WindowBehaviourTest, TheWindowIsCutToTheSkinsOutline) {
    const QRegion mask = window->mask();
    ASSERT_FALSE(mask.isEmpty());
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(298, 0)));
    EXPECT_TRUE(mask.contains(QPoint(150, 200)));
}

TEST_F(WindowBehaviourTest, TenStepsDownReachSilenceAndTheEndOfTheTrack) {
    EXPECT_EQ(window->volumeKnobTopTwips(), 2280);
    window->playback().UPVOL(); // already at the top
    EXPECT_EQ(window->volumeKnobTopTwips(), 2280);
    EXPECT_EQ(state.volumeLevel, 100);
    for (int i = 0; i < 10; ++i) {
        window->playback().DOWNVOL();
    }
    EXPECT_EQ(window->volumeKnobTopTwips(), 3280);
    EXPECT_EQ(window->Image22->y(), 219);
    EXPECT_EQ(state.volumeLevel, 0);
    EXPECT_EQ(media->volume(), 0);
    EXPECT_EQ(state.volumeDragAnchorY, 100);
    window->playback().DOWNVOL();
    EXPECT_EQ(window->volumeKnobTopTwips(), 3280);
    EXPECT_EQ(state.volumeLevel, 0);
    window->playback().UPVOL();
    EXPECT_EQ(window->volumeKnobTopTwips(), 3180);
    EXPECT_EQ(state.volumeLevel, 10);
    EXPECT_EQ(media->volume(), 10);
    EXPECT_EQ(state.volumeDragAnchorY, 90);
}

// A second volume request that comes while the first is still being carried out (here from a
// timer, as a second MPRIS client's Set comes) has the last word.
TEST_F(WindowBehaviourTest, AVolumeSetDuringAnotherEndsAtTheLastValue) {
    QTimer::singleShot(150, [&] { window->playback().setVolume(100); });
    window->playback().setVolume(0);
    test::runFor(1500);
    EXPECT_EQ(state.volumeLevel, 100);
    EXPECT_EQ(window->volumeKnobTopTwips(), 2280);
    EXPECT_EQ(media->volume(), 100);
}

TEST_F(WindowBehaviourTest, HoldingTheKnobRunsTheDragTimer) {
    QTest::mousePress(window->Image22, Qt::LeftButton);
    EXPECT_EQ(window->Timer9->interval(), 10);
    EXPECT_EQ(state.volumeDragAnchorY, 0);
    cursor.at = {10, 300};
    window->Timer9->tick(); // takes the anchor
    cursor.at = {10, 320};
    window->Timer9->tick(); // below it: one step down
    EXPECT_EQ(state.volumeLevel, 90);
    QTest::mouseRelease(window->Image22, Qt::LeftButton);
    EXPECT_EQ(window->Timer9->interval(), 0);
    window->Timer9->tick();
    EXPECT_EQ(state.volumeLevel, 90);
}

TEST_F(WindowBehaviourTest, TheStayOnTopButtonSwitchesModeAndPicture) {
    EXPECT_EQ(state.stayOnTopMode, 1);
    QTest::mouseClick(window->Image29, Qt::LeftButton);
    EXPECT_EQ(state.stayOnTopMode, 2);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->Image29->pixmap().toImage(), window->Image31.toImage());
    QTest::mouseClick(window->Image29, Qt::LeftButton);
    EXPECT_EQ(state.stayOnTopMode, 1);
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->Image29->pixmap().toImage(), window->Image30.toImage());
}

TEST_F(WindowBehaviourTest, DraggingTheBareSurfaceMovesTheWindowAndKeepsButtonsOnTop) {
    const QPoint start = window->pos();
    const QPoint bare(5, 100);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, bare);
    QMouseEvent moveEvent(QEvent::MouseMove, QPointF(bare + QPoint(40, 25)),
                          QPointF(window->mapToGlobal(bare) + QPoint(40, 25)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &moveEvent);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, bare + QPoint(40, 25));
    EXPECT_EQ(window->pos(), start + QPoint(40, 25));
    EXPECT_EQ(window->size(), QSize(299, 381));
    // The first drag shows the fallback skin image; the buttons stay above it.
    EXPECT_TRUE(window->Image15->isVisible());
    EXPECT_EQ(window->childAt(window->Image2->geometry().center()), window->Image2);
    EXPECT_EQ(window->childAt(bare), window->Image15);
}

TEST_F(WindowBehaviourTest, PressingAControlAndMovingNeverDragsTheWindow) {
    // Once through the bare surface, so the fallback image lies under the controls.
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(5, 100));
    QTest::mouseMove(window.get(), QPoint(25, 110));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(25, 110));
    ASSERT_TRUE(window->Image15->isVisible());
    const QPoint start = window->pos();

    const std::vector<QWidget*> controls{window->Image22, window->Image1, window->Label1,
                                         window->Label2, window->MD};
    for (QWidget* control : controls) {
        const QPoint at = control->rect().center();
        QTest::mousePress(control, Qt::LeftButton, {}, at);
        QTest::mouseMove(control, at + QPoint(2, 1));
        QTest::mouseMove(control, at + QPoint(12, 120));
        QTest::mouseRelease(control, Qt::LeftButton, {}, at + QPoint(12, 120));
        EXPECT_EQ(window->pos(), start) << control->metaObject()->className();
        // A move afterwards with no press of the window's own does nothing either.
        QTest::mouseMove(window.get(), QPoint(60, 60));
        EXPECT_EQ(window->pos(), start);
    }

    // The fallback image drags, and its own release ends the drag.
    QTest::mousePress(window->Image15, Qt::LeftButton, {}, QPoint(5, 100));
    QTest::mouseMove(window->Image15, QPoint(15, 130));
    QTest::mouseRelease(window->Image15, Qt::LeftButton, {}, QPoint(15, 130));
    const QPoint dragged = window->pos();
    EXPECT_NE(dragged, start);
    QTest::mousePress(window->Image2, Qt::LeftButton);
    QTest::mouseMove(window->Image2, QPoint(40, 40));
    QTest::mouseRelease(window->Image2, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_EQ(window->pos(), dragged);
}

TEST_F(WindowBehaviourTest, KeysDriveThePlayerButNotTheChoosersControls) {
    auto key = [&](Qt::Key k) {
        media->calls.clear();
        QTest::keyClick(window.get(), k);
        return media->calls;
    };
    using Calls = std::vector<std::string>;
    media->state = PlayState::Playing;
    EXPECT_EQ(key(Qt::Key_Space), Calls{"pause"});
    media->state = PlayState::Paused;
    EXPECT_EQ(key(Qt::Key_Space), Calls{"play"});
    EXPECT_EQ(key(Qt::Key_S), Calls{"stop"});
    key(Qt::Key_Down);
    EXPECT_EQ(state.volumeLevel, 90);
    key(Qt::Key_Up);
    EXPECT_EQ(state.volumeLevel, 100);
    media->state = PlayState::Playing;
    key(Qt::Key_F);
    EXPECT_TRUE(media->full);
    key(Qt::Key_F);
    EXPECT_FALSE(media->full);
    // Left and Right, and the menu's moves, in a live stream kept while it plays; greyed when
    // there is none.
    const auto moveEntries = [&] {
        std::vector<QAction*> moves;
        QMenu* menu = window->openMenu(QPoint(10, 10));
        for (QAction* action : menu->actions()) {
            if (action->text().contains(QStringLiteral("30 Seconds")) ||
                action->text() == QStringLiteral("Back to Live")) {
                moves.push_back(action);
            }
        }
        return moves;
    };
    auto moves = moveEntries();
    ASSERT_EQ(moves.size(), 3U);
    // The one setting stands apart at the end, not among what is done while listening.
    const QList<QAction*> entries = window->openMenu(QPoint(10, 10))->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries.back()->text(), QStringLiteral("Song Notifications"));
    EXPECT_TRUE(entries[entries.size() - 2]->isSeparator());
    EXPECT_FALSE(moves[0]->isEnabled());
    media->movable = true;
    key(Qt::Key_Left);
    key(Qt::Key_Right);
    moves = moveEntries();
    ASSERT_TRUE(moves[0]->isEnabled());
    moves[0]->trigger();
    moves[2]->trigger();
    EXPECT_EQ(media->moves, (std::vector<double>{-30, 30, -30}));
    EXPECT_EQ(media->calls.back(), "live");

    window->loadChooser();
    ASSERT_NE(window->chooser(), nullptr);
    for (Qt::Key k : {Qt::Key_Space, Qt::Key_S, Qt::Key_M, Qt::Key_Down}) {
        media->calls.clear();
        QTest::keyClick(window->chooser()->List1, k);
        EXPECT_TRUE(media->calls.empty());
    }
    EXPECT_EQ(state.volumeLevel, 100);
    EXPECT_FALSE(window->isMinimized());

    key(Qt::Key_M);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_NE(window->banner(), nullptr);
    // F1 opens the help; Ctrl+Q ends the program as the shutdown button does.
    window->showNormal();
    key(Qt::Key_F1);
    EXPECT_NE(window->infoWindow(), nullptr);
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(endRequests, 1);
}

} // namespace
} // namespace lumo
