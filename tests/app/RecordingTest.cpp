// Recording what is heard, from the player's own connection to an ICY stream served on
// 127.0.0.1, into real files; and the names made from what stations send.
#include "BytePattern.h"
#include "EventWait.h"
#include "Ffmpeg.h"
#include "IcecastServer.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "Wav.h"
#include "media/StreamTap.h"
#include "net/HttpRead.h"
#include "record/Recorder.h"
#include "record/RecordingName.h"

#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QString>
#include <QUrl>
#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

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
        live.makeTitle = [this] {
            if (titleEveryBlock) {
                return "Artist - Jingle " + std::to_string(blocks++);
            }
            return titles[std::min<std::size_t>(song, titles.size() - 1)];
        };
        server.serve("/live", live);
        freeSpace = [this](const fs::path&) { return free.load(); };
        dir.write("DEFAULT",
                  "\"RADIO\",\"../Night: FM\",\"\",\"" + server.url("/live") + "\",\"NONE\"\r\n");
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--network-caching=300"};
        window = makeWindowWithLibVlc(options);
        // Every title is a song of its own here.
        window->playback().recorder().setLimits({std::chrono::milliseconds(0), 1000, {}});
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
    // Once every file has its tags and its name.
    bool settled() const {
        return test::waitUntil([&] { return finishedFiles() == names().size(); }, 10000);
    }
    // The station moves on to song `n`; true once its file has been finished.
    bool nextSong(std::size_t n) {
        const std::size_t before = finishedFiles();
        song = n;
        return test::waitUntil([&] { return finishedFiles() > before; }, 15000);
    }
    // An entry of the player's menu, opened for it (the window owns the menu).
    QAction* menuAction(const char* text) {
        QMenu* menu = window->openMenu(QPoint(10, 10));
        for (QAction* action : menu->actions()) {
            if (action->text() == QLatin1String(text)) {
                return action;
            }
        }
        ADD_FAILURE() << "no " << text;
        return menu->addAction(QString());
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
    std::atomic<bool> titleEveryBlock{false}; // a new title in every block
    std::atomic<int> blocks{0};
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
    // The whole line (the shown one may end in an ellipsis).
    EXPECT_EQ(window->Label1->accessibleName().toStdString(), "Recording to " + music().string());
    ASSERT_TRUE(nextSong(1));
    ASSERT_TRUE(nextSong(2));
    ASSERT_TRUE(nextSong(3));
    window->playback().setRecording(false);
    EXPECT_FALSE(window->recordMark()->isVisible());
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Recording stopped"));
    menuAction("Open Recordings Folder")->trigger();
    ASSERT_FALSE(shell.opened.empty());
    EXPECT_EQ(
        shell.opened.back(),
        QUrl::fromLocalFile(QString::fromStdString(music().string())).toString().toStdString());
    ASSERT_TRUE(settled());

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
            return window->Label1->accessibleName() ==
                   QStringLiteral("Recording stopped - less than 500 MB free");
        },
        5000));
    EXPECT_FALSE(window->recordMark()->isVisible());
    ASSERT_TRUE(settled());
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
    const QAction* record = menuAction("Record");
    EXPECT_FALSE(record->isEnabled());
    EXPECT_TRUE(record->toolTip().startsWith(QStringLiteral("Only a live audio stream")));
    ASSERT_TRUE(settled());
    ASSERT_EQ(finishedFiles(), 2U) << ::testing::PrintToString(names());
    for (const std::string& name : names()) {
        EXPECT_NE(name.find(" (partial)"), std::string::npos) << name; // the second is " (2)"
        EXPECT_GT(fs::file_size(music() / name), 0U);
    }
}

TEST_F(RecordingTest, AStationThatNamesATitleInEveryBlockMakesOneOrTwoFiles) {
    window->playback().recorder().setLimits({});
    titleEveryBlock = true;
    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    const auto began = std::chrono::steady_clock::now();
    test::waitUntil([&] { return std::chrono::steady_clock::now() - began > 20s; }, 25000);
    window->playback().setRecording(false);
    ASSERT_TRUE(settled());
    EXPECT_GT(blocks.load(), 50) << "the station named a title in every block";
    const std::size_t files = finishedFiles();
    EXPECT_TRUE(files == 1 || files == 2) << ::testing::PrintToString(names());
}

// The same against Debian's Icecast: MP3 with metadata every 16000 bytes from ffmpeg, or Ogg
// songs chained one after another, each naming its title in its comments.
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
    // The finished recordings, by name.
    std::vector<fs::path> recordings() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(dir.path() / "Music")) {
            if (entry.path().extension() != ".part") {
                found.push_back(entry.path());
            }
        }
        std::ranges::sort(found);
        return found;
    }
    bool settled() const {
        return test::waitUntil(
            [&] {
                return std::ranges::none_of(fs::directory_iterator(dir.path() / "Music"),
                                            [](const fs::directory_entry& entry) {
                                                return entry.path().extension() == ".part";
                                            });
            },
            10000);
    }
    // Plays Icecast's "/live" as the default station, every title a song of its own.
    void play(const std::string& title = {}) {
        ASSERT_TRUE(icecast.started());
        ASSERT_TRUE(test::waitUntil([&] { return ask(icecast.url("/live")) == 200; }, 20000));
        if (!title.empty()) {
            ASSERT_EQ(ask(icecast.titleUpdate(title)), 200);
        }
        dir.write("DEFAULT",
                  "\"RADIO\",\"Ice FM\",\"\",\"" + icecast.url("/live") + "\",\"NONE\"\r\n");
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--network-caching=300"};
        window = makeWindowWithLibVlc(options);
        window->playback().recorder().setLimits({0ms, 1000, {}});
        window->load();
        ASSERT_TRUE(test::waitUntil(
            [&] {
                return window->playback().canRecord() &&
                       (title.empty() || window->media().nowPlaying() == title);
            },
            20000))
            << window->media().status();
    }
    static TagLib::PropertyMap tagsOf(const fs::path& file) {
        const TagLib::FileRef ref(file.c_str());
        return ref.isNull() ? TagLib::PropertyMap() : ref.file()->properties();
    }
    static std::string tag(const TagLib::PropertyMap& tags, const char* key) {
        return tags.contains(key) ? tags[key].toString().to8Bit(true) : std::string();
    }

    test::IcecastServer icecast{dir.path() / "icecast"};
    std::unique_ptr<PlayerWindow> window;
};

class IcecastIcyRecordingTest : public IcecastRecordingTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(IcecastIcyRecordingTest, RecordsEachSongWithoutItsMetadataTaggedForPlayers) {
    const std::string codec = GetParam();
    icecast.startSource(QString::fromStdString(codec));
    ASSERT_NO_FATAL_FAILURE(play("Artist - Icy Song"));
    EXPECT_TRUE(test::waitUntil(
        [&] { return window->Label1->text() == QStringLiteral("Artist - Icy Song"); }, 5000));

    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    ASSERT_EQ(ask(icecast.titleUpdate("Artist - Second Song")), 200);
    ASSERT_TRUE(test::waitUntil([&] { return recordings().size() == 1; }, 20000));
    ASSERT_TRUE(test::waitUntil(
        [&] { return fs::file_size(window->playback().recorder().writing()) > 16000; }, 20000));
    window->playback().setRecording(false);
    ASSERT_TRUE(settled());

    const auto files = recordings();
    ASSERT_EQ(files.size(), 2U);
    EXPECT_EQ(files[0].filename(), "Ice FM - Artist - Icy Song (partial)." + codec);
    EXPECT_EQ(files[1].filename(), "Ice FM - Artist - Second Song (partial)." + codec);
    for (const fs::path& file : files) {
        const std::string bytes = *readWholeFile(file);
        EXPECT_TRUE(bytes.starts_with("ID3\x04")) << "an ID3v2.4 tag ahead of " << file;
        EXPECT_EQ(bytes.find("StreamTitle"), std::string::npos) << "metadata left in " << file;
        EXPECT_EQ(test::probedCodec(file), codec);
        EXPECT_TRUE(test::decodesCleanly(file)) << file;
    }
    const auto probed = test::probedTags(files[1]);
    EXPECT_EQ(probed.contains("title") ? probed.at("title") : "", "Second Song");
    EXPECT_EQ(probed.contains("album") ? probed.at("album") : "", "Ice FM");
    if (codec == "mp3") {
        const TagLib::PropertyMap tags = tagsOf(files[1]);
        EXPECT_EQ(tag(tags, "TITLE"), "Second Song");
        EXPECT_EQ(tag(tags, "ARTIST"), "Artist");
        EXPECT_EQ(tag(tags, "ALBUM"), "Ice FM");
        EXPECT_EQ(tag(tags, "COMMENT"), icecast.url("/live"));
        EXPECT_EQ(tag(tags, "DATE"), QDate::currentDate().toString(Qt::ISODate).toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Codecs, IcecastIcyRecordingTest, ::testing::Values("mp3", "aac"),
                         [](const auto& tested) { return std::string(tested.param); });

// An Ogg codec: ffmpeg's encoder, the recording's extension, the codec ffprobe names.
struct OggCodec {
    const char* encoder;
    const char* extension;
    const char* probed;
};
void PrintTo(const OggCodec& codec, std::ostream* out) {
    *out << codec.probed;
}

class IcecastOggRecordingTest : public IcecastRecordingTest,
                                public ::testing::WithParamInterface<OggCodec> {};

TEST_P(IcecastOggRecordingTest, EveryFileBeginsWithItsHeadersAndNamesItsSongInItsComments) {
    const OggCodec& codec = GetParam();
    std::vector<fs::path> songs;
    for (const int n : {1, 2, 3}) {
        songs.push_back(dir.path() / ("song" + std::to_string(n) + ".ogg"));
        ASSERT_TRUE(test::runFfmpeg(
            {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
             QStringLiteral("sine=frequency=%1:sample_rate=48000:duration=%2")
                 .arg(200 * n)
                 .arg(n == 3 ? 60 : 4),
             QStringLiteral("-c:a"), QString::fromLatin1(codec.encoder), QStringLiteral("-b:a"),
             QStringLiteral("64k"), QStringLiteral("-metadata"), QStringLiteral("artist=Artist"),
             QStringLiteral("-metadata"), QStringLiteral("title=Song %1").arg(n),
             QString::fromStdString(songs.back().string())}));
    }
    icecast.startOggSource(songs);
    ASSERT_NO_FATAL_FAILURE(play());
    window->playback().setRecording(true);
    ASSERT_TRUE(window->playback().recording());
    // Song 1 or 2 is under way: the chains after it make at least a second file.
    ASSERT_TRUE(test::waitUntil([&] { return recordings().size() >= 2; }, 30000));
    window->playback().setRecording(false);
    ASSERT_TRUE(settled());

    const auto files = recordings();
    ASSERT_GE(files.size(), 2U);
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        EXPECT_EQ(file.extension(), codec.extension);
        EXPECT_EQ(test::probedCodec(file), codec.probed) << name;
        EXPECT_TRUE(test::decodesCleanly(file)) << name;
        const TagLib::PropertyMap tags = tagsOf(file);
        const std::string title = tag(tags, "TITLE");
        EXPECT_TRUE(title.starts_with("Song ")) << name;
        EXPECT_TRUE(name.starts_with("Ice FM - Artist - " + title)) << name;
        EXPECT_EQ(tag(tags, "ARTIST"), "Artist");
        EXPECT_EQ(tag(tags, "ALBUM"), "Ice FM");
    }
    EXPECT_EQ(files[0].filename().string().find(" (partial)") != std::string::npos, true)
        << "recording began inside a song";
}

INSTANTIATE_TEST_SUITE_P(Codecs, IcecastOggRecordingTest,
                         ::testing::Values(OggCodec{"libvorbis", ".ogg", "vorbis"},
                                           OggCodec{"libopus", ".opus", "opus"},
                                           OggCodec{"flac", ".oga", "flac"}),
                         [](const auto& tested) { return std::string(tested.param.probed); });

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
