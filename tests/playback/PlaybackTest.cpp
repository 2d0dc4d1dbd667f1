// The playback decisions as plain functions, and playback itself over a fake media player:
// no window, no libVLC.
#include "playback/Playback.h"
#include "EventWait.h"
#include "Fakes.h"
#include "playback/PlaybackMpris.h"
#include "state/ProgramState.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace lumo {
namespace {

using playback::AtReady;
using playback::StatusLine;

TEST(PlaybackRules, TheEndOfAStreamMeansWhatItReachedAndWhatIsAllowed) {
    // reached, reconnect state, clip -> what it means
    EXPECT_EQ(playback::atReady(kStreamReached, kNoReconnect, false), AtReady::BringBack);
    EXPECT_EQ(playback::atReady(kStreamReached, kReconnectAllowed, false), AtReady::BringBack);
    EXPECT_EQ(playback::atReady(kStreamReached, kReconnectUsed, true), AtReady::Complete);
    EXPECT_EQ(playback::atReady(kStreamNotReached, kReconnectAllowed, true), AtReady::TryOnceMore);
    EXPECT_EQ(playback::atReady(kStreamNotReached, kReconnectUsed, false),
              AtReady::FailedToConnect);
    EXPECT_EQ(playback::atReady(kStreamNotReached, kNoReconnect, false), AtReady::FailedToConnect);
    EXPECT_FALSE(playback::isClip(0));
    EXPECT_TRUE(playback::isClip(0.5));
    EXPECT_EQ(playback::knobTopTwips(100), 2280);
    EXPECT_EQ(playback::knobTopTwips(0), 3280);
}

TEST(PlaybackRules, ANoteOutranksAClipsCycleWhichStillCountsOn) {
    playback::StatusCycle cycle; // as the start-up leaves it: 11
    EXPECT_EQ(playback::statusLineOnTick(false, true, cycle), StatusLine::Status);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(playback::statusLineOnTick(true, true, cycle), StatusLine::Note);
    }
    EXPECT_EQ(cycle.statusTickCount, 19);
    EXPECT_EQ(playback::statusLineOnTick(false, true, cycle), StatusLine::ProgramTime);
    EXPECT_EQ(cycle.statusTickCount, 0);
    EXPECT_EQ(playback::statusLineOnTick(false, true, cycle), StatusLine::ProgramTime);
    EXPECT_EQ(playback::statusLineOnTick(false, true, cycle), StatusLine::Unchanged);
    EXPECT_EQ(playback::statusLineOnTick(false, false, cycle), StatusLine::Status) << "live";
    cycle.statusTickCount = std::numeric_limits<std::int16_t>::max();
    playback::statusLineOnTick(false, false, cycle);
    EXPECT_EQ(cycle.statusTickCount, std::numeric_limits<std::int16_t>::max()) << "no overflow";
}

class PlaybackTest : public ::testing::Test {
protected:
    PlaybackTest() {
        state.volumeLevel = 100;
        state.CurrentStation = {"RADIO", "Test FM", "", "http://127.0.0.1:9/live", "NONE"};
    }
    ProgramState state;
    test::FakeMediaPlayer media;
    // The reconnect's probe never answers: the tries stay waiting.
    Playback playback{state, media,
                      PlaybackServices{[](const std::string&, const StreamKeeper::Answered&) {
                          return PendingPtr();
                      }}};
};

// A station from the chooser that fails is tried once more a second later, unless a stop
// comes first; a live stream that had played and dropped is brought back.
TEST_F(PlaybackTest, AFailedStationIsTriedOnceMoreUnlessStoppedAndADropIsBroughtBack) {
    QSignalSpy pressed(&playback, &Playback::transportPressed);
    state.reconnectState = kReconnectAllowed;
    media.state = PlayState::Ready;
    media.statusText = "Opening";
    EXPECT_EQ(playback.statusTick().statusLine, QStringLiteral("Opening")) << "the status stays";
    EXPECT_EQ(state.reconnectState, kReconnectUsed);
    EXPECT_TRUE(test::waitUntil([&] { return !media.urlsGiven.empty(); }, 3000));
    EXPECT_EQ(media.urlsGiven.back(), state.CurrentStation.streamUrl);
    EXPECT_EQ(playback.statusTick().statusLine, QStringLiteral("Failed to Connect"));

    media.urlsGiven.clear();
    state.reconnectState = kReconnectAllowed;
    playback.statusTick(); // the second's wait begins ...
    playback.stop();       // ... and the stop wins
    EXPECT_FALSE(test::waitUntil([&] { return !media.urlsGiven.empty(); }, 1500));
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed[0][0].value<Transport>(), Transport::Stop);

    media.state = PlayState::Playing;
    media.statusText = "Artist - Song";
    const Playback::Tick playing = playback.statusTick();
    EXPECT_EQ(playing.statusLine, QStringLiteral("Artist - Song"));
    EXPECT_EQ(playing.shown, PlayState::Playing);
    EXPECT_EQ(state.streamReached, kStreamReached);
    media.state = PlayState::Ready;
    media.url = state.CurrentStation.streamUrl;
    EXPECT_EQ(playback.statusTick().statusLine, QStringLiteral("Reconnecting..."));
    EXPECT_TRUE(playback.streamKeeper().waiting());
    playback.play();
    EXPECT_FALSE(playback.streamKeeper().waiting()) << "play ends the tries";
}

TEST_F(PlaybackTest, TheVolumeStepsWithinItsBoundsAndALevelIsReachedStepByStep) {
    QSignalSpy changed(&playback, &Playback::volumeChanged);
    playback.UPVOL();
    EXPECT_EQ(changed.size(), 0) << "already at the loudest";
    playback.setVolume(34);
    EXPECT_EQ(playback.volume(), 30);
    EXPECT_EQ(media.volumeValue, 30);
    EXPECT_EQ(changed.size(), 7);
    playback.setVolume(-5);
    EXPECT_EQ(playback.volume(), 0);
    playback.DOWNVOL();
    EXPECT_EQ(changed.size(), 10) << "no step below silence";
    playback.sleepTimer().start(15);
    EXPECT_TRUE(playback.sleepTimer().running());
}

TEST_F(PlaybackTest, AGivenAddressPassesTheAllowListAndNothingStartsOnceReleased) {
    QSignalSpy opened(&playback, &Playback::stationOpened);
    EXPECT_FALSE(playback.openAddress("file:///etc/passwd"));
    EXPECT_FALSE(playback.openUri("mms://127.0.0.1/x")) << "the desktop's opening: http(s) only";
    EXPECT_TRUE(playback.openAddress("http://127.0.0.1:9/other"));
    EXPECT_EQ(state.CurrentStation.name, "http://127.0.0.1:9/other");
    EXPECT_EQ(state.reconnectState, kReconnectAllowed);
    EXPECT_EQ(opened.size(), 1);
    playback.release();
    EXPECT_FALSE(playback.openUri("http://127.0.0.1:9/late"));
    EXPECT_EQ(media.url, "http://127.0.0.1:9/other");
}

} // namespace
} // namespace lumo

namespace lumo {
namespace {

// A live stream kept while it plays, as the desktop bus sees it: seekable within what is
// kept, its position counted from the oldest second kept, and seeks and places turned into
// moves from where the listener is.
TEST_F(PlaybackTest, AKeptLiveStreamIsSoughtFromTheBusWithinWhatIsKept) {
    PlaybackMpris bus(playback, {});
    EXPECT_FALSE(bus.mprisCanSeek());
    EXPECT_EQ(bus.mprisPosition(), 0.0) << "a live stream not kept has no position";
    media.movable = true;
    media.kept = 300;
    media.behind = 40;
    EXPECT_TRUE(bus.mprisCanSeek());
    EXPECT_DOUBLE_EQ(bus.mprisPosition(), 260);
    bus.mprisSeek(-30);
    bus.mprisSetPosition(100); // from 260: 160 back
    playback.moveToLive();
    EXPECT_EQ(media.moves, (std::vector<double>{-30, -160}));
    EXPECT_EQ(media.calls.back(), "live");
}

} // namespace
} // namespace lumo
