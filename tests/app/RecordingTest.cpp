// Recording what is heard, from the player's own connection to an ICY stream served on
// 127.0.0.1, into real files; and the names made from what stations send.
#include "BytePattern.h"
#include "EventWait.h"
#include "IcecastServer.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "Wav.h"
#include "media/StreamTap.h"
#include "net/HttpRead.h"
#include "record/Recorder.h"
#include "record/RecordingName.h"

#include <QLabel>
#include <QString>
#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

// The served stream's data loops every kLoop bytes: a whole number of metadata intervals, so
// where a recording lies in the stream shows modulo the interval.
constexpr std::size_t kInterval = 8192;
constexpr std::size_t kLoop = 12 * kInterval;

class RecordingTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        header = test::endlessSineWav(0, 22050).substr(0, test::kWavHeaderBytes);
        data = test::bytePattern(kLoop);
        auto live = test::LoopbackHttpServer::Resource{"audio/wav", header + data, false, 44100,
                                                       test::kWavHeaderBytes};
        live.makeTitle = [this] { return titles[std::min<std::size_t>(song, titles.size() - 1)]; };
        server.serve("/live", live);
        freeSpace = [this](const fs::path&) { return free.load(); };
        dir.write("DEFAULT",
                  "\"RADIO\",\"../Night: FM\",\"\",\"" + server.url("/live") + "\",\"NONE\"\r\n");
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--network-caching=300"};
        window = makeWindowWithLibVlc(options);
        window->load();
        ASSERT_TRUE(test::waitUntil(
            [&] {
                return window->playback().canRecord() && window->media().nowPlaying() == titles[0];
            },
            15000));
    }

    fs::path music() const { return dir.path() / "Music"; }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        if (fs::exists(music())) {
            for (const auto& entry : fs::directory_iterator(music())) {
                found.push_back(entry.path().filename().string());
            }
        }
        std::ranges::sort(found);
        return found;
    }
    std::size_t finishedFiles() const {
        return std::ranges::count_if(names(),
                                     [](const std::string& n) { return !n.ends_with(".part"); });
    }
    // The station moves on to song `n`; true once its file has been finished.
    bool nextSong(std::size_t n) {
        const std::size_t before = finishedFiles();
        song = n;
        return test::waitUntil([&] { return finishedFiles() > before; }, 15000);
    }
    // The stream's audio byte at `offset` (metadata left out).
    char servedAt(std::size_t offset) const {
        return offset < header.size() ? header[offset] : data[(offset - header.size()) % kLoop];
    }
    std::string contents(const std::string& name) const { return *readWholeFile(music() / name); }

    test::LoopbackHttpServer server;
    std::string header, data;
    std::vector<std::string> titles{"Artist - Song 1", "Artist - Song 2",
                                    "../../x\x01\x1b[31m\x7f\t.hidden", ""};
    std::atomic<std::size_t> song{0};
    std::atomic<std::int64_t> free{10LL << 30};
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(RecordingTest, KeepsExactlyTheAudioServedSplitAtEachTitleOnTheOneConnection) {
    std::string longTitle;
    for (int i = 0; i < 2000; ++i) {
        longTitle += "\xc3\xa9"; // é: 4000 bytes, about all a metadata block can carry
    }
    titles.back() = longTitle;
    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    EXPECT_TRUE(window->recordMark()->isVisible());
    ASSERT_TRUE(nextSong(1));
    ASSERT_TRUE(nextSong(2));
    ASSERT_TRUE(nextSong(3));
    window->playback().setRecording(false);
    EXPECT_FALSE(window->recordMark()->isVisible());
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Recording stopped"));

    const std::vector<std::string> files = names();
    ASSERT_EQ(files.size(), 4U) << ::testing::PrintToString(files);
    // Began and ended in the middle of a song: partial; in between, whole songs.
    const std::string first = "_Night_ FM - Artist - Song 1 (partial).wav";
    const std::string second = "_Night_ FM - Artist - Song 2.wav";
    const std::string hostile = "_Night_ FM - .._.._x [31m .hidden.wav";
    ASSERT_NE(std::ranges::find(files, first), files.end()) << ::testing::PrintToString(files);
    EXPECT_NE(std::ranges::find(files, second), files.end());
    EXPECT_NE(std::ranges::find(files, hostile), files.end()) << ::testing::PrintToString(files);
    const auto last = std::ranges::find_if(
        files, [](const std::string& n) { return n.find("\xc3\xa9") != std::string::npos; });
    ASSERT_NE(last, files.end());
    EXPECT_LE(last->size(), Recorder::kLongestName);
    EXPECT_TRUE(last->ends_with("\xc3\xa9 (partial).wav")) << "cut between characters";

    // One connection: the files hold exactly the stream's audio, in order, split where the
    // metadata named each new title.
    EXPECT_EQ(server.requestCount("/live"), 1);
    const std::string parts[] = {contents(first), contents(second), contents(hostile),
                                 contents(*last)};
    std::string all;
    for (const std::string& part : parts) {
        ASSERT_FALSE(part.empty());
        all += part;
    }
    std::optional<std::size_t> at;
    for (std::size_t o = header.size(); o < header.size() + kLoop && !at; ++o) {
        std::size_t i = 0;
        while (i < all.size() && all[i] == servedAt(o + i)) {
            ++i;
        }
        if (i == all.size()) {
            at = o;
        }
    }
    ASSERT_TRUE(at) << "the recording is not the stream's audio";
    std::size_t boundary = *at;
    for (int i = 0; i < 3; ++i) {
        boundary += parts[i].size();
        EXPECT_EQ(boundary % kInterval, 0U) << "file " << i << " does not end at a title";
    }
}

TEST_F(RecordingTest, StopsByItselfOnAFullDiskAndOnAnotherStationKeepingWhatItWrote) {
    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    free = 100LL << 20;
    ASSERT_TRUE(test::waitUntil([&] { return !window->playback().recording(); }, 10000));
    EXPECT_TRUE(test::waitUntil(
        [&] {
            return window->Label1->text() ==
                   QStringLiteral("Recording stopped - less than 500 MB free");
        },
        5000));
    EXPECT_FALSE(window->recordMark()->isVisible());
    ASSERT_EQ(finishedFiles(), 1U);
    window->playback().setRecording(true);
    EXPECT_FALSE(window->playback().recording()) << "no new recording on a full disk";

    free = 10LL << 30;
    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    ASSERT_TRUE(test::waitUntil(
        [&] { return fs::file_size(window->playback().recorder().writing()) > 0; }, 10000));
    window->media().setURL(server.url("/other"));
    EXPECT_FALSE(window->playback().recording());
    ASSERT_EQ(finishedFiles(), 2U) << ::testing::PrintToString(names());
    for (const std::string& name : names()) {
        EXPECT_NE(name.find(" (partial)"), std::string::npos) << name; // the second is " (2)"
        EXPECT_GT(fs::file_size(music() / name), 0U);
    }
}

// The same against Debian's Icecast, fed by ffmpeg: MP3 with metadata every 16000 bytes.
class IcecastRecordingTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    // Asks `address` for at most a few bytes; its HTTP status, 0 without an answer.
    long ask(const std::string& address) {
        std::optional<HttpReadResult> result;
        HttpReadOptions options;
        options.maxBytes = 1024;
        options.atCap = HttpReadOptions::AtCap::Stop;
        auto pending = httpRead(network, address, options,
                                [&](HttpReadResult answer) { result = std::move(answer); });
        test::waitUntil([&] { return result.has_value(); }, 10000);
        return result ? result->status : 0;
    }
    std::vector<fs::path> recordings() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(dir.path() / "Music")) {
            found.push_back(entry.path());
        }
        std::ranges::sort(found);
        return found;
    }
};

TEST_F(IcecastRecordingTest, RecordsEachSongAsMp3WithoutItsMetadata) {
    test::IcecastServer icecast(dir.path() / "icecast");
    ASSERT_TRUE(icecast.started());
    ASSERT_TRUE(test::waitUntil([&] { return ask(icecast.url("/")) != 0; }, 20000));
    icecast.startSource();
    ASSERT_TRUE(test::waitUntil([&] { return ask(icecast.url("/live")) == 200; }, 20000));
    ASSERT_EQ(ask(icecast.titleUpdate("Artist - Icy Song")), 200);
    dir.write("DEFAULT", "\"RADIO\",\"Ice FM\",\"\",\"" + icecast.url("/live") + "\",\"NONE\"\r\n");
    VlcMediaPlayer::Options options;
    options.vlcArguments = {"--network-caching=300"};
    auto window = makeWindowWithLibVlc(options);
    window->load();
    ASSERT_TRUE(test::waitUntil(
        [&] {
            return window->playback().canRecord() &&
                   window->media().nowPlaying() == "Artist - Icy Song";
        },
        20000))
        << window->media().status();
    EXPECT_TRUE(test::waitUntil(
        [&] { return window->Label1->text() == QStringLiteral("Artist - Icy Song"); }, 5000));

    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    ASSERT_EQ(ask(icecast.titleUpdate("Artist - Second Song")), 200);
    ASSERT_TRUE(test::waitUntil([&] { return recordings().size() == 2; }, 20000));
    ASSERT_TRUE(test::waitUntil(
        [&] { return fs::file_size(window->playback().recorder().writing()) > 16000; }, 20000));
    window->playback().setRecording(false);

    const auto files = recordings();
    ASSERT_EQ(files.size(), 2U);
    EXPECT_EQ(files[0].filename(), "Ice FM - Artist - Icy Song (partial).mp3");
    EXPECT_EQ(files[1].filename(), "Ice FM - Artist - Second Song (partial).mp3");
    for (const fs::path& file : files) {
        const std::string bytes = *readWholeFile(file);
        EXPECT_NE(bytes.find("\xff\xfb"), std::string::npos) << "MP3 frames in " << file;
        EXPECT_EQ(bytes.find("StreamTitle"), std::string::npos) << "metadata left in " << file;
    }
}

TEST(RecordingNameTest, NamesFromTheNetworkAreSafeAndShort) {
    EXPECT_EQ(safeFileName("../../etc/passwd", 200), "_.._etc_passwd");
    EXPECT_EQ(safeFileName("...", 200), "Recording");
    EXPECT_EQ(safeFileName("a\x01\x1b\n\xe2\x80\xae"
                           "b",
                           200),
              "a b"); // controls, bidi override
    EXPECT_EQ(safeFileName("C:\\x*?\"<>|", 200), "C__x______");
    EXPECT_EQ(safeFileName("\xff\xfe", 200), "\xef\xbf\xbd\xef\xbf\xbd"); // not UTF-8: replaced
    const std::string emoji = safeFileName(std::string(10000, 'a') + "\xf0\x9f\x8e\xb5", 10002);
    EXPECT_EQ(emoji.size(), 10000U) << "a character is never cut";
    EXPECT_EQ(safeFileName(std::string(10000, 'x'), 200).size(), 200U);
    EXPECT_EQ(safeFileName("Song. ", 200), "Song");
}

} // namespace
} // namespace lumo
