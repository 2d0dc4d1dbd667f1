// Pausing live radio: a live MP3 station on 127.0.0.1 whose title steps every six seconds, played
// by the real player with its ring in a temporary folder. Where the listener is is told by the
// bytes fed to libVLC and the titles by their places in the stream.
#include "EventWait.h"
#include "Ffmpeg.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "media/StreamFeed.h"
#include "media/VlcMediaPlayer.h"
#include "net/NetEngine.h"
#include "record/HeardSong.h"
#include "record/Recorder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace lumo {
namespace {

constexpr int kPatience = 15000;
constexpr int kRate = 16000;     // 128 kbit/s
constexpr int kBlock = 8192;     // the server's metadata interval
constexpr int kTitleBlocks = 12; // a new title every 12 blocks

class PauseLiveTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_GT(mp3().size(), 100000U); }
    static const std::string& mp3() { return test::mp3Tone(); }
    void start(std::uint64_t freeBytes = 10ULL << 30) {
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--aout=dummy", "--vout=dummy"};
        options.timeshift.folder = ring.path();
        options.timeshift.freeBytes = [freeBytes](const std::filesystem::path&) {
            return freeBytes;
        };
        player = std::make_unique<VlcMediaPlayer>(nullptr, network, options);
        test::LoopbackHttpServer::Resource live{"audio/mpeg", mp3(), false, kRate};
        live.makeTitle = [blocks = std::make_shared<int>(0)] {
            return "Song " + std::to_string((*blocks)++ / kTitleBlocks);
        };
        server.serve("/live", live);
        player->setURL(server.url("/live"));
        ASSERT_TRUE(test::waitUntil(
            [&] {
                return player->playState() == PlayState::Playing && player->streamTap() != nullptr;
            },
            kPatience))
            << player->status();
    }
    // The title the station named for the byte at `place`.
    static std::string titleAt(double seconds) {
        const auto block = static_cast<int>(seconds * kRate / kBlock);
        return "Song " + std::to_string(std::max(0, block - 1) / kTitleBlocks);
    }
    double heard() const { return player->keptSeconds() - player->behindLive(); }
    // Descriptors this process holds open on files in the ring's folder.
    int ringsOpen() const {
        int open = 0;
        for (const QFileInfo& fd :
             QDir(QStringLiteral("/proc/self/fd")).entryInfoList(QDir::Files)) {
            open += fd.symLinkTarget().startsWith(QString::fromStdString(ring.path().string()));
        }
        return open;
    }

    test::TempFolder ring;
    test::LoopbackHttpServer server;
    NetEngine network;
    std::unique_ptr<VlcMediaPlayer> player;
};

TEST_F(PauseLiveTest, PauseKeepsListeningAndPlayGoesOnWherePausedThenMovesWithinWhatIsKept) {
    start();
    std::shared_ptr<StreamFeed> feed = player->streamTap()->feed();
    ASSERT_TRUE(test::waitUntil([&] { return feed->keepsHistory(); }, kPatience));
    EXPECT_EQ(ringsOpen(), 1);
    EXPECT_TRUE(QDir(QString::fromStdString(ring.path().string())).isEmpty());
    ASSERT_TRUE(test::waitUntil([&] { return heard() > 7; }, kPatience));

    // Paused for 10 s: the stream goes on arriving on the same connection.
    player->pause();
    ASSERT_TRUE(test::waitUntil([&] { return player->playState() == PlayState::Paused; }, 5000));
    const double pausedAt = heard();
    const std::uint64_t endAtPause = feed->liveEnd();
    ASSERT_TRUE(
        test::waitUntil([&] { return feed->liveEnd() >= endAtPause + 10 * kRate; }, kPatience));
    EXPECT_EQ(player->playState(), PlayState::Paused);
    EXPECT_NEAR(heard(), pausedAt, 0.5) << "nothing is heard while paused";

    // Play goes on from the paused second, behind live by the pause.
    player->play();
    ASSERT_TRUE(test::waitUntil([&] { return player->playState() == PlayState::Playing; }, 5000));
    EXPECT_NEAR(heard(), pausedAt, 1.0);
    EXPECT_NEAR(player->behindLive(), 10.0, 2.5)
        << feed->reserve().rate() << " " << feed->liveEnd() << " " << feed->readAt() << " "
        << endAtPause << " " << pausedAt;
    ASSERT_TRUE(test::waitUntil(
        [&] { return player->status().find(" behind live") != std::string::npos; }, 3000))
        << player->status();
    EXPECT_NE(player->status().find(" - 0:1"), std::string::npos) << player->status();
    // The title shown is the one heard, not the one arriving.
    ASSERT_TRUE(test::waitUntil([&] { return player->nowPlaying() == titleAt(heard()); }, 3000))
        << player->nowPlaying() << " at " << heard() << " s";
    EXPECT_NE(player->nowPlaying(), player->streamTap()->title());

    // Back 5 s lands 5 s back; back to live leaves nothing behind but the reserve.
    const double before = heard();
    player->moveBy(-5);
    ASSERT_TRUE(test::waitUntil([&] { return player->playState() == PlayState::Playing; }, 5000));
    EXPECT_NEAR(heard(), before - 5, 1.5);
    player->moveToLive();
    ASSERT_TRUE(test::waitUntil([&] { return player->playState() == PlayState::Playing; }, 5000));
    EXPECT_LT(player->behindLive(), 3.0);
    EXPECT_EQ(player->status().find("behind live"), std::string::npos) << player->status();
    EXPECT_EQ(server.requestCount("/live"), 1);

    // Another station: the ring goes with the old one, and the new one has its own; stop: none.
    feed.reset();
    player->setURL(server.url("/live"));
    ASSERT_TRUE(test::waitUntil(
        [&] { return player->playState() == PlayState::Playing && player->canMove(); }, kPatience));
    EXPECT_EQ(ringsOpen(), 1);
    player->stop();
    EXPECT_EQ(ringsOpen(), 0);
}

// Record, 2 s into a song: the recording holds the song from its start, as the server sent it.
TEST_F(PauseLiveTest, RecordingTheSongHeardBeginsWhereItsTitleDid) {
    start();
    StreamTap& tap = *player->streamTap();
    constexpr std::uint64_t kSongStart = (kTitleBlocks + 1) * kBlock; // "Song 1"
    ASSERT_TRUE(test::waitUntil(
        [&] { return player->canMove() && heard() > 2.0 + double(kSongStart) / kRate; },
        kPatience));
    std::optional<Recorder::Preroll> preroll;
    bool read = false;
    const PendingPtr reading = readHeardSong(tap, player->heardPlace().value_or(0), [&](auto song) {
        preroll = std::move(song);
        read = true;
    });
    ASSERT_TRUE(test::waitUntil([&] { return read; }, 5000));
    ASSERT_TRUE(preroll.has_value());
    ASSERT_FALSE(preroll->pieces.empty());
    EXPECT_EQ(preroll->pieces.front().title, "Song 1");
    std::string served;
    while (served.size() < kSongStart + 100000) {
        served += mp3();
    }
    const std::string& kept = preroll->pieces.front().bytes;
    ASSERT_GT(kept.size(), 2U * kRate);
    EXPECT_EQ(kept.substr(0, 2 * kRate), served.substr(kSongStart, 2 * kRate));

    // Recorded with it: the file's audio is the served stream from the song's first frame.
    test::TempFolder music;
    Recorder recorder(music.path(), [](const std::filesystem::path&) { return 10LL << 30; });
    QString finished;
    QObject::connect(&recorder, &Recorder::fileFinished,
                     [&](const QString& path) { finished = path; });
    ASSERT_EQ(recorder.start(tap, "Loopback", server.url("/live"), *preroll), QString());
    QTest::qWait(1000);
    recorder.stop();
    ASSERT_TRUE(test::waitUntil([&] { return !finished.isEmpty(); }, 5000));
    EXPECT_TRUE(finished.contains(QStringLiteral("Loopback - Song 1"))) << finished.toStdString();
    std::ifstream in(finished.toStdString(), std::ios::binary);
    const std::string file(std::istreambuf_iterator<char>(in), {});
    ASSERT_GT(file.size(), 10U + 2 * kRate);
    ASSERT_EQ(file.substr(0, 3), "ID3");
    const auto tagSize =
        static_cast<std::size_t>(((file[6] & 0x7f) << 21) | ((file[7] & 0x7f) << 14) |
                                 ((file[8] & 0x7f) << 7) | (file[9] & 0x7f));
    const std::string audio = file.substr(10 + tagSize, 2 * kRate);
    const std::size_t found = served.find(audio, kSongStart - 1);
    ASSERT_NE(found, std::string::npos);
    EXPECT_LT(found - kSongStart, 2000U) << "the song's first frame";
}

// With less than the disk room asked for, nothing is kept: pause lets go of the stream and play
// connects afresh, as before.
TEST_F(PauseLiveTest, AFullDiskPlaysOnWithoutARing) {
    start(100ULL << 20);
    ASSERT_TRUE(
        test::waitUntil([&] { return player->streamTap()->feed()->store().settled(); }, kPatience));
    EXPECT_FALSE(player->canMove());
    EXPECT_EQ(ringsOpen(), 0);
    player->pause();
    EXPECT_EQ(player->playState(), PlayState::Paused);
    player->play();
    ASSERT_TRUE(
        test::waitUntil([&] { return player->playState() == PlayState::Playing; }, kPatience));
    EXPECT_EQ(server.requestCount("/live"), 2);
}

} // namespace
} // namespace lumo
