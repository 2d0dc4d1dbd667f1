// The media player over the real libVLC, playing media served on 127.0.0.1.
#include "media/VlcMediaPlayer.h"
#include "EventWait.h"
#include "Ffmpeg.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "media/StreamFeed.h"
#include "net/NetEngine.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <memory>

namespace lumo {
namespace {

constexpr int kPatience = 15000; // generous: the suite may share two cores with a build

class VlcMediaPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.serve("/tone.wav", {"audio/wav", test::sineWav(30)});
        server.serve("/short.wav", {"audio/wav", test::sineWav(2)});
        player = makePlayer(20000);
        ASSERT_TRUE(player->isValid());
    }

    std::unique_ptr<VlcMediaPlayer> makePlayer(int openTimeout) {
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--aout=dummy", "--vout=dummy"};
        options.openTimeoutMilliseconds = openTimeout;
        return std::make_unique<VlcMediaPlayer>(nullptr, network, options);
    }

    bool reaches(PlayState state, int timeout = kPatience) {
        return test::waitUntil([&] { return player->playState() == state; }, timeout);
    }

    // Plays `address` and tells whether it ever reached playing before it settled.
    bool plays(const std::string& address) {
        player->setURL(address);
        return reaches(PlayState::Playing);
    }

    // Waits for Ready; tells whether playing was ever seen on the way.
    ::testing::AssertionResult endsReadyWithoutPlaying() {
        bool played = false;
        const bool ready = test::waitUntil(
            [&] {
                played = played || player->playState() == PlayState::Playing;
                return player->playState() == PlayState::Ready;
            },
            kPatience);
        if (!ready) {
            return ::testing::AssertionFailure() << "never ready: " << player->status();
        }
        if (played) {
            return ::testing::AssertionFailure() << "reported playing on the way";
        }
        return ::testing::AssertionSuccess();
    }

    test::LoopbackHttpServer server;
    NetEngine network; // the players' playlist looks run on it
    std::unique_ptr<VlcMediaPlayer> player;
};

TEST_F(VlcMediaPlayerTest, AServedWavPlaysWithItsLength) {
    EXPECT_EQ(player->playState(), PlayState::Undefined);
    ASSERT_TRUE(plays(server.url("/tone.wav")));
    EXPECT_EQ(player->URL(), server.url("/tone.wav"));
    EXPECT_EQ(player->status(), "Playing");
    EXPECT_TRUE(test::waitUntil([&] { return player->duration() > 0; }, kPatience));
    EXPECT_NEAR(player->duration(), 30.0, 0.5);
    EXPECT_EQ(player->durationString(), "00:30");
}

TEST_F(VlcMediaPlayerTest, StopPauseAndPlayAgain) {
    ASSERT_TRUE(plays(server.url("/tone.wav")));
    player->pause();
    ASSERT_TRUE(reaches(PlayState::Paused));
    EXPECT_EQ(player->status(), "Paused");
    player->play();
    ASSERT_TRUE(reaches(PlayState::Playing));
    player->stop();
    EXPECT_EQ(player->playState(), PlayState::Stopped);
    // Nothing late from the stopped stream changes the state afterwards.
    test::waitUntil([] { return false; }, 300);
    EXPECT_EQ(player->playState(), PlayState::Stopped);
    player->play();
    EXPECT_TRUE(reaches(PlayState::Playing));
}

TEST_F(VlcMediaPlayerTest, AClipThatEndsAfterPlayingIsReady) {
    ASSERT_TRUE(plays(server.url("/short.wav")));
    ASSERT_TRUE(reaches(PlayState::Ready));
    EXPECT_EQ(player->status(), "Finished");
}

TEST_F(VlcMediaPlayerTest, ALiveStreamWhoseServerGoesAwayEndsReadyNotStopped) {
    auto live = std::make_unique<test::LoopbackHttpServer>();
    live->serve("/live",
                {"audio/wav", test::endlessSineWav(2, 44100), false, 88200, test::kWavHeaderBytes});
    ASSERT_TRUE(plays(live->url("/live")));
    EXPECT_EQ(player->duration(), 0);
    live.reset();
    ASSERT_TRUE(reaches(PlayState::Ready));
    // libVLC's late "stopped" report must not turn the end into a user's stop.
    test::waitUntil([] { return false; }, 500);
    EXPECT_EQ(player->playState(), PlayState::Ready);
}

TEST_F(VlcMediaPlayerTest, AnEmptyAddressStopsAndClears) {
    ASSERT_TRUE(plays(server.url("/tone.wav")));
    player->setURL("");
    EXPECT_EQ(player->playState(), PlayState::Undefined);
    EXPECT_EQ(player->URL(), "");
    test::waitUntil([] { return false; }, 300);
    EXPECT_EQ(player->playState(), PlayState::Undefined);
}

TEST_F(VlcMediaPlayerTest, AClosedPortEndsReadyWithoutPlaying) {
    player->setURL("http://127.0.0.1:" + std::to_string(test::closedLoopbackPort()) + "/x.wav");
    EXPECT_TRUE(endsReadyWithoutPlaying());
}

TEST_F(VlcMediaPlayerTest, AMissingResourceEndsReady) {
    player->setURL(server.url("/nothing-here.mp3"));
    EXPECT_TRUE(reaches(PlayState::Ready));
}

TEST_F(VlcMediaPlayerTest, AServerThatNeverAnswersIsGivenUpByTheWatchdog) {
    player = makePlayer(1500);
    server.serve("/silent", {"audio/mpeg", "", true});
    player->setURL(server.url("/silent"));
    ASSERT_TRUE(reaches(PlayState::Ready));
    EXPECT_EQ(player->status(), "No answer from the station");
    // and the player is still usable
    EXPECT_TRUE(plays(server.url("/tone.wav")));
}

TEST_F(VlcMediaPlayerTest, PlaylistsOfEveryKindPlayWhatTheyList) {
    const std::string tone = server.url("/tone.wav");
    const std::string asx = "<ASX version=\"3.0\"><Title>Tone</Title><Entry><Ref href=\"" +
                            server.url("/missing.wav") + "\"/><Ref href=\"" + tone +
                            "\"/></Entry></ASX>";
    server.serve("/list.m3u", {"audio/x-mpegurl", "#EXTM3U\n#EXTINF:-1,Tone\n" + tone + "\n"});
    server.serve("/list.pls", {"audio/x-scpls", "[playlist]\nNumberOfEntries=1\nFile1=" + tone +
                                                    "\nTitle1=Tone\nLength1=-1\nVersion=2\n"});
    server.serve("/list.asx", {"video/x-ms-asf", asx});
    server.serve("/listen", {"text/plain", asx}); // ASX without extension or ASF type
    server.serve("/radio", {"audio/x-mpegurl", "#EXTM3U\n" + tone + "\n"});

    for (const char* path : {"/list.m3u", "/list.pls", "/list.asx", "/listen", "/radio"}) {
        EXPECT_TRUE(plays(server.url(path))) << path << ": " << player->status();
        EXPECT_EQ(player->URL(), server.url(path));
        player->stop();
    }
}

TEST_F(VlcMediaPlayerTest, OnlyNetworkStreamsAreOpenedWhereverTheAddressCameFrom) {
    test::TempFolder dir;
    const auto local = dir.write("tone.wav", test::sineWav(30));
    const std::string fileUrl = "file://" + local.string();
    for (const std::string& address :
         {local.string(), fileUrl, std::string("v4l2://"), std::string("alsa://default"),
          std::string("screen://"), std::string("vlc://quit"), std::string("udp://@239.1.1.1:5004"),
          std::string("http://"), std::string("javascript:alert(1)")}) {
        player->setURL(address);
        EXPECT_EQ(player->playState(), PlayState::Ready) << address;
        EXPECT_EQ(player->status(), "Failed to Connect") << address;
        EXPECT_TRUE(endsReadyWithoutPlaying()) << address;
    }

    // A playlist's local and device entries are passed over; its network entry plays.
    const std::string tone = server.url("/tone.wav");
    server.serve("/mixed.m3u",
                 {"audio/x-mpegurl", "#EXTM3U\n" + fileUrl + "\nv4l2://\n" + tone + "\n"});
    server.serve("/mixed", {"text/plain", "<asx><entry><ref href=\"" + fileUrl +
                                              "\"/><ref href=\"" + tone + "\"/></entry></asx>"});
    for (const char* path : {"/mixed.m3u", "/mixed"}) {
        const int before = server.requestCount("/tone.wav");
        EXPECT_TRUE(plays(server.url(path))) << path;
        EXPECT_GT(server.requestCount("/tone.wav"), before) << path;
        player->stop();
    }
    server.serve("/local-only.m3u", {"audio/x-mpegurl", "#EXTM3U\n" + fileUrl + "\n"});
    player->setURL(server.url("/local-only.m3u"));
    EXPECT_TRUE(endsReadyWithoutPlaying());
}

TEST_F(VlcMediaPlayerTest, EveryRequestNamesTheProgram) {
    server.serve("/probe", {"text/plain", "<asx><entry><ref href=\"" + server.url("/tone.wav") +
                                              "\"/></entry></asx>"});
    ASSERT_TRUE(plays(server.url("/probe")));
    const std::string agent = "\r\nUser-Agent: Lumo/" LUMO_VERSION;
    EXPECT_GE(server.requestCount("/probe"), 2) << "libVLC's requests and the probe's";
    for (const char* path : {"/probe", "/tone.wav"}) {
        for (const std::string& request : server.requests(path)) {
            EXPECT_NE(request.find(agent), std::string::npos) << request;
        }
    }
}

// Live streams as real servers send them: Ogg Vorbis carrying its titles inside the stream, a
// source that goes quiet without closing, and HLS with a sliding playlist.
class LiveFormatsTest : public VlcMediaPlayerTest {
protected:
    void SetUp() override {
        VlcMediaPlayerTest::SetUp();
        ASSERT_TRUE(test::makeOggNoise(media.path() / "a.ogg", 3, "Ogg Artist", "First Song"));
        ASSERT_TRUE(test::makeOggNoise(media.path() / "b.ogg", 3, "Ogg Artist", "Second Song"));
        // Two chained songs, sent at the pace they play and repeated.
        oggSongs = {"application/ogg", media.read("a.ogg") + media.read("b.ogg")};
        oggSongs.bytesPerSecond = static_cast<int>(oggSongs.body.size() / 6) + 1;
    }

    test::TempFolder media;
    test::LoopbackHttpServer::Resource oggSongs;
};

TEST_F(LiveFormatsTest, AnOggStreamShowsItsArtistAndTitleAndFollowsThem) {
    server.serve("/ogg", oggSongs);
    ASSERT_TRUE(plays(server.url("/ogg"))) << player->status();
    for (const char* title : {"Ogg Artist - First Song", "Ogg Artist - Second Song"}) {
        EXPECT_TRUE(test::waitUntil([&] { return player->status() == title; }, kPatience))
            << player->status();
    }
}

TEST_F(LiveFormatsTest, AnOggSourceThatGoesQuietIsReportedEnded) {
    oggSongs.stallAfter = oggSongs.body.size() / 2; // three seconds, then silence, still open
    server.serve("/quiet", oggSongs);
    VlcMediaPlayer::Options options;
    options.vlcArguments = {"--aout=dummy", "--vout=dummy", "--network-caching=500"};
    options.stallTimeoutMilliseconds = 3000;
    player = std::make_unique<VlcMediaPlayer>(nullptr, network, options);
    ASSERT_TRUE(plays(server.url("/quiet"))) << player->status();
    // The data stops three seconds in; the stall shows a few seconds after that, not when an
    // Ogg decoder's clock finally stops.
    EXPECT_TRUE(reaches(PlayState::Ready, 12000)) << player->status();
    EXPECT_EQ(player->status(), "The stream stalled");
}

TEST_F(LiveFormatsTest, ALiveHlsStreamHasNoProgrammeLength) {
    ASSERT_TRUE(test::runFfmpeg(
        {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=22050:duration=60", "-c:a", "aac",
         "-b:a", "32k", "-f", "hls", "-hls_time", "2", "-hls_list_size", "0",
         "-hls_segment_filename", QString::fromStdString((media.path() / "seg%d.ts").string()),
         QString::fromStdString((media.path() / "all.m3u8").string())}));
    for (int i = 0; i < 30; ++i) {
        const std::string name = "seg" + std::to_string(i) + ".ts";
        server.serve("/hls/" + name, {"video/mp2t", media.read(name)});
    }
    // A window of three segments that moves on every two seconds, with no end.
    QElapsedTimer clock;
    clock.start();
    test::LoopbackHttpServer::Resource playlist{"application/vnd.apple.mpegurl", ""};
    playlist.makeBody = [clock] {
        const int first = std::min(static_cast<int>(clock.elapsed() / 2000), 27);
        std::string text = "#EXTM3U\n#EXT-X-VERSION:3\n#EXT-X-TARGETDURATION:2\n"
                           "#EXT-X-MEDIA-SEQUENCE:" +
                           std::to_string(first) + "\n";
        for (int i = first; i < first + 3; ++i) {
            text += "#EXTINF:2.0,\nseg" + std::to_string(i) + ".ts\n";
        }
        return text;
    };
    server.serve("/hls/live.m3u8", playlist);
    ASSERT_TRUE(plays(server.url("/hls/live.m3u8"))) << player->status();
    // Once its clock has run past the window it gave as its length, it is live.
    test::waitUntil([] { return false; }, 12000);
    EXPECT_EQ(player->playState(), PlayState::Playing) << player->status();
    EXPECT_EQ(player->duration(), 0);
}

// A live stream the player reads itself, sent far faster than it plays: what waits stays
// bounded, and more comes as libVLC plays it.
TEST_F(VlcMediaPlayerTest, AStreamSentFasterThanItPlaysStaysBoundedAndKeepsComing) {
    server.serve("/fast", {"audio/wav", test::endlessSineWav(2, 192000), false, 4000000,
                           test::kWavHeaderBytes});
    ASSERT_TRUE(plays(server.url("/fast"))) << player->status();
    StreamTap* tap = player->streamTap();
    ASSERT_NE(tap, nullptr);
    std::size_t most = 0;
    const auto watch = [&] {
        most = std::max(most, tap->feed()->buffered());
        return player->streamTap() == tap;
    };
    test::waitUntil([&] { return !watch(); }, 8000);
    EXPECT_GT(tap->audioBytes(), qint64{StreamFeed::kRoom}) << "more than the feed holds came";
    EXPECT_LE(most, StreamFeed::kRoom / 2 + 64 * 1024);
    EXPECT_EQ(player->playState(), PlayState::Playing);
}

TEST_F(VlcMediaPlayerTest, APlaylistOfDeadEntriesEndsReady) {
    const std::string dead = "http://127.0.0.1:" + std::to_string(test::closedLoopbackPort());
    server.serve("/dead.m3u", {"audio/x-mpegurl", "#EXTM3U\n" + dead + "/a\n" + dead + "/b\n"});
    player->setURL(server.url("/dead.m3u"));
    EXPECT_TRUE(endsReadyWithoutPlaying()) << "reading the playlist is not playing";
}

TEST_F(VlcMediaPlayerTest, VolumeMuteAndStretchKeepWhatWasAsked) {
    player->setVolume(100);
    player->setMute(true);
    player->setStretchToFit(true);
    ASSERT_TRUE(plays(server.url("/tone.wav")));
    player->setVolume(40);
    EXPECT_EQ(player->volume(), 40);
    EXPECT_TRUE(player->mute());
    player->setMute(false);
    EXPECT_FALSE(player->mute());
    player->setVolume(140);
    EXPECT_EQ(player->volume(), 100);
    EXPECT_TRUE(player->stretchToFit());
    EXPECT_FALSE(player->fullScreen()); // no video rectangle
}

} // namespace
} // namespace lumo
