// Live streams the player reads itself, from servers on 127.0.0.1 that answer as real stations
// do: SHOUTcast's "ICY 200 OK", streams without titles, hostile titles and headers, and a
// network that holds the data back.
#include "EventWait.h"
#include "Ffmpeg.h"
#include "IcecastServer.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "media/StreamFeed.h"
#include "media/VlcMediaPlayer.h"
#include "net/NetEngine.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace lumo {
namespace {

constexpr int kPatience = 15000;
constexpr int kMp3Rate = 16000; // 128 kbit/s

class LiveStreamTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_GT(mp3().size(), 100000U); }
    static const std::string& mp3() { return test::mp3Tone(); }

    void SetUp() override {
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--aout=dummy", "--vout=dummy"};
        player = std::make_unique<VlcMediaPlayer>(nullptr, network, options);
        ASSERT_TRUE(player->isValid());
    }

    // A live MP3 station at its real rate.
    static test::LoopbackHttpServer::Resource station(std::string title = "Artist - Song") {
        test::LoopbackHttpServer::Resource live{"audio/mpeg", mp3(), false, kMp3Rate};
        live.icyTitle = std::move(title);
        return live;
    }

    // Plays a station that sends no burst and holds its data back once, 5 s into the stream.
    std::shared_ptr<StreamFeed> playHeld(const std::string& path, int holdMilliseconds) {
        auto held = station();
        held.holdAfter = 5 * kMp3Rate;
        held.holdMilliseconds = holdMilliseconds;
        server.serve(path, held);
        if (!playsReadingItself(path)) {
            return nullptr;
        }
        return player->streamTap()->feed();
    }

    bool playsReadingItself(const std::string& path) {
        player->setURL(server.url(path));
        return test::waitUntil(
            [&] {
                return player->playState() == PlayState::Playing && player->streamTap() != nullptr;
            },
            kPatience);
    }

    test::LoopbackHttpServer server;
    NetEngine network;
    std::unique_ptr<VlcMediaPlayer> player;
};

TEST_F(LiveStreamTest, ShoutcastAnswersAndStreamsWithoutTitlesAreReadOnOneConnection) {
    auto shoutcast = station("Caf\xe9 del Mar - Latin-1");
    shoutcast.statusLine = "ICY 200 OK";
    server.serve("/shoutcast", shoutcast);
    ASSERT_TRUE(playsReadingItself("/shoutcast")) << player->status();
    EXPECT_TRUE(test::waitUntil(
        [&] { return player->nowPlaying() == "Caf\xc3\xa9 del Mar - Latin-1"; }, kPatience))
        << player->nowPlaying();
    EXPECT_TRUE(player->streamTap()->namesTitles());
    EXPECT_EQ(player->streamTap()->stationName(), "Loopback");
    EXPECT_EQ(server.requestCount("/shoutcast"), 1);

    auto untitled = station("");
    untitled.namedInterval = "0";
    server.serve("/untitled", untitled);
    ASSERT_TRUE(playsReadingItself("/untitled")) << player->status();
    EXPECT_FALSE(player->streamTap()->namesTitles());
    EXPECT_EQ(player->status(), "Playing");
    EXPECT_EQ(server.requestCount("/untitled"), 1);
}

// What cannot be read safely fails at once, on the one connection, instead of being handed to
// libVLC to be fetched again.
TEST_F(LiveStreamTest, EndlessHeadersAndUnusableIntervalsAreRefused) {
    auto flood = station("");
    flood.endlessHeaders = true;
    server.serve("/flood", flood);
    auto trickle = flood;
    trickle.headerLineMilliseconds = 250;
    server.serve("/trickle", trickle);
    auto huge = station("");
    huge.namedInterval = "2000000";
    server.serve("/huge", huge);
    for (const std::string path : {"/flood", "/trickle", "/huge"}) {
        player->setURL(server.url(path));
        ASSERT_TRUE(
            test::waitUntil([&] { return player->playState() == PlayState::Ready; }, kPatience))
            << path << ": " << player->status();
        EXPECT_EQ(player->status(), "Could not connect") << path;
        EXPECT_EQ(server.requestCount(path), 1) << path;
    }
}

TEST_F(LiveStreamTest, TitlesAreCleanedWhereTheyEnter) {
    server.serve("/hostile", station("  Line one\nLine two\x1b[31m \x01 end\xe2\x80\xae  "));
    ASSERT_TRUE(playsReadingItself("/hostile")) << player->status();
    ASSERT_TRUE(test::waitUntil([&] { return !player->nowPlaying().empty(); }, kPatience));
    EXPECT_EQ(player->nowPlaying(), "Line one Line two [31m end");
    EXPECT_EQ(player->status(), player->nowPlaying());
}

// A station that sends no burst at connect, held back for longer than the reserve lasts: the
// status line says so instead of showing the title over silence, and once the data is back
// the title returns with a larger reserve.
TEST_F(LiveStreamTest, AHoldLongerThanTheReserveShowsBufferingThenTheTitleAgain) {
    const std::shared_ptr<StreamFeed> feed = playHeld("/held", 4000);
    ASSERT_NE(feed, nullptr) << player->status();
    EXPECT_TRUE(test::waitUntil([&] { return player->status() == "Buffering..."; }, kPatience))
        << player->status();
    EXPECT_TRUE(test::waitUntil([&] { return player->status() == "Artist - Song"; }, kPatience))
        << player->status();
    const StreamReserve reserve = feed->reserve();
    EXPECT_EQ(reserve.underruns(), 1);
    EXPECT_GT(reserve.targetMs(), StreamReserve::kFirstMs);
    EXPECT_EQ(player->playState(), PlayState::Playing);
    EXPECT_EQ(server.requestCount("/held"), 1);
}

// A hold shorter than the reserve is not heard: nothing underruns.
TEST_F(LiveStreamTest, AShortHoldIsCoveredByTheReserve) {
    const std::shared_ptr<StreamFeed> feed = playHeld("/short-hold", 500);
    ASSERT_NE(feed, nullptr) << player->status();
    test::runFor(8000);
    EXPECT_EQ(feed->reserve().underruns(), 0);
    EXPECT_EQ(player->status(), "Artist - Song");
}

// A station that bursts at connect, as Icecast does: the burst is kept as reserve, so a hold of
// three seconds is not heard, and the network is read in batches (a piece comes every 100 ms).
TEST_F(LiveStreamTest, ABurstAtConnectIsKeptAsReserveAndTheNetworkIsReadInBatches) {
    auto bursting = station();
    bursting.loopFrom = 64 * 1024; // sent at once, then the rest at the stream's rate
    bursting.holdAfter = bursting.loopFrom + 6 * kMp3Rate;
    bursting.holdMilliseconds = 3000;
    server.serve("/burst", bursting);
    ASSERT_TRUE(playsReadingItself("/burst")) << player->status();
    const StreamTap* tap = player->streamTap();
    test::runFor(2000);
    const int reads = tap->networkReads();
    const qint64 bytes = tap->audioBytes();
    test::runFor(3000);
    EXPECT_GT(tap->audioBytes(), bytes + 2 * kMp3Rate) << "the stream kept coming";
    EXPECT_LE(tap->networkReads() - reads, 3000 / StreamReserve::kBatchMs + 2)
        << "against about 30 pieces sent";
    test::runFor(7000); // through the hold
    EXPECT_EQ(tap->feed()->reserve().underruns(), 0);
    EXPECT_EQ(player->status(), "Artist - Song");
    EXPECT_EQ(player->streamTap(), tap);
}

// Icecast fed by ffmpeg, as real stations are: joined between two frames, MP3 and AAC both play
// through the program's own reader, on one connection.
TEST_F(LiveStreamTest, IcecastStationsInMp3AndAacPlayThroughTheProgramsReader) {
    for (const char* codec : {"mp3", "aac"}) {
        test::TempFolder folder;
        test::IcecastServer icecast(folder.path());
        ASSERT_TRUE(icecast.started());
        icecast.startSource(QString::fromLatin1(codec));
        test::runFor(1500); // the source has connected and sent a while
        player->setURL(icecast.url("/live"));
        EXPECT_TRUE(test::waitUntil(
            [&] {
                return player->playState() == PlayState::Playing && player->streamTap() != nullptr;
            },
            kPatience))
            << codec << ": " << player->status();
        player->stop();
    }
}

} // namespace
} // namespace lumo
