// Where recordings are cut, on real MP3, AAC and Ogg Vorbis made by ffmpeg, and what a new title
// does to the file under way.
#include "Ffmpeg.h"
#include "TempFolder.h"
#include "net/OggPages.h"
#include "platform/AppFolder.h"
#include "record/FrameTracker.h"
#include "record/StreamCutter.h"
#include "record/TitleCuts.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Two seconds of a tone in `codec`, as `format`, without a tag ahead of it.
std::string tone(const test::TempFolder& dir, const QString& codec, const QString& format) {
    const fs::path file = dir.path() / ("tone." + format.toStdString());
    EXPECT_TRUE(test::runFfmpeg(
        {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("sine=frequency=440:sample_rate=44100:duration=2"), QStringLiteral("-c:a"),
         codec, QStringLiteral("-id3v2_version"), QStringLiteral("0"), QStringLiteral("-f"), format,
         QString::fromStdString(file.string())}));
    return readWholeFile(file).value_or("");
}

TEST(FrameTrackerTest, FindsTheFrameThatBeginsAfterAnyPointOfMp3AndAdts) {
    test::TempFolder dir;
    struct Case {
        FrameTracker::Format format;
        std::string bytes;
        std::optional<FrameTracker::Header> (*header)(std::string_view);
    };
    const Case cases[] = {
        {FrameTracker::Format::Mp3, tone(dir, QStringLiteral("libmp3lame"), QStringLiteral("mp3")),
         &FrameTracker::mp3Header},
        {FrameTracker::Format::Adts, tone(dir, QStringLiteral("aac"), QStringLiteral("adts")),
         &FrameTracker::adtsHeader},
    };
    for (const Case& c : cases) {
        ASSERT_GT(c.bytes.size(), 8000U);
        // The frames, walked from the start.
        std::vector<std::size_t> frames;
        for (std::size_t at = 0; at + 7 < c.bytes.size();) {
            const auto header = c.header(std::string_view(c.bytes).substr(at));
            ASSERT_TRUE(header) << "frame at " << at;
            frames.push_back(at);
            at += header->length;
        }
        // Joined mid-stream, in pieces of any size, after bytes that are not audio.
        const std::string noise = "\xff\xfb\x90junk\xff\xf1";
        for (std::size_t join = 0; join < 3000; join += 331) {
            FrameTracker tracker(c.format);
            const std::string stream = noise + c.bytes.substr(join);
            const std::int64_t from = 1500 + static_cast<std::int64_t>(join % 700);
            std::optional<std::int64_t> found;
            for (std::size_t at = 0; at < stream.size() && !found; at += 1 + join % 97) {
                found = tracker.pass(std::string_view(stream).substr(at, 1 + join % 97), from);
            }
            ASSERT_TRUE(found);
            const std::size_t inFile = static_cast<std::size_t>(*found) - noise.size() + join;
            const auto next = std::ranges::lower_bound(frames, static_cast<std::size_t>(from) -
                                                                   noise.size() + join);
            EXPECT_EQ(inFile, *next) << "the first frame at or after the point, joined at " << join;
        }
    }
}

// What the cutter wrote: the files one after another.
struct Files {
    std::vector<std::string> files{std::string()};
    std::vector<std::string> chainTitles;
    StreamCutter::Output output() {
        return {[this](std::string_view bytes) { files.back().append(bytes); },
                [this] { files.emplace_back(); },
                [this](const std::string& title) {
                    chainTitles.push_back(title);
                    return true;
                }};
    }
};

std::vector<OggPage> pagesOf(std::string_view bytes) {
    std::vector<OggPage> pages;
    OggPageReader reader;
    reader.feed(bytes, [&](OggPage&& page) { pages.push_back(std::move(page)); });
    return pages;
}

// Noise as Ogg Vorbis in pages of a fifth of a second, tagged with a title.
std::string oggNoise(const fs::path& file, int seconds, const QString& title) {
    EXPECT_TRUE(test::runFfmpeg(
        {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("anoisesrc=amplitude=0.2:sample_rate=44100:duration=%1").arg(seconds),
         QStringLiteral("-c:a"), QStringLiteral("libvorbis"), QStringLiteral("-metadata"),
         QStringLiteral("artist=Artist"), QStringLiteral("-metadata"),
         QStringLiteral("title=") + title, QStringLiteral("-page_duration"),
         QStringLiteral("200000"), QString::fromStdString(file.string())}));
    return readWholeFile(file).value_or("");
}

TEST(OggCutterTest, EveryCutOfAnOggStreamGivesFilesThatBeginWithItsHeaderPages) {
    test::TempFolder dir;
    const std::string stream = oggNoise(dir.path() / "one.ogg", 6, QStringLiteral("One"));
    OggHeadKeeper whole;
    whole.feed(stream);
    const OggHead& head = whole.head();
    ASSERT_TRUE(head.complete());
    EXPECT_EQ(head.codec(), OggHead::Codec::Vorbis);
    EXPECT_EQ(head.title(), "Artist - One");
    std::string headBytes;
    for (const OggPage& page : head.pages()) {
        headBytes += page.bytes;
    }
    const std::vector<OggPage> all = pagesOf(stream);

    for (std::size_t join = headBytes.size(); join < stream.size() / 2; join += 4777) {
        // The tap kept the head from the stream's start; recording begins at `join`.
        OggHeadKeeper tap;
        tap.feed(std::string_view(stream).substr(0, join));
        Files out;
        auto cutter = StreamCutter::make("ogg", &tap.head(), out.output());
        const std::size_t piece = 1 + join % 1500;
        for (std::size_t at = join, n = 0; at < stream.size(); at += piece, ++n) {
            cutter->pass(std::string_view(stream).substr(at, piece));
            if (n % 7 == 3) {
                cutter->cutSoon();
            }
        }
        ASSERT_GE(out.files.size(), 3U) << join;
        std::size_t pagesWritten = 0;
        for (const std::string& file : out.files) {
            ASSERT_TRUE(file.starts_with(headBytes)) << "joined at " << join;
            const std::vector<OggPage> pages = pagesOf(file);
            std::size_t bytes = 0;
            for (std::size_t i = 0; i < pages.size(); ++i) {
                bytes += pages[i].bytes.size();
                EXPECT_EQ(pages[i].sequence(), i) << "numbered on from the head";
            }
            EXPECT_EQ(bytes, file.size()) << "whole pages only";
            pagesWritten += pages.size() - head.pages().size();
        }
        // Every page from the join on, but for at most two that continue a packet.
        const auto after = static_cast<std::size_t>(std::ranges::count_if(
            all, [&](const OggPage& page) { return page.start >= std::int64_t(join); }));
        EXPECT_LE(pagesWritten, after);
        EXPECT_GE(pagesWritten + 2, after) << "joined at " << join;
    }

    // A second chain begins a file with its own head, named by its comments.
    const std::string next = oggNoise(dir.path() / "two.ogg", 1, QStringLiteral("Two"));
    Files out;
    auto cutter = StreamCutter::make("ogg", &head, out.output());
    cutter->pass(std::string_view(stream).substr(headBytes.size()));
    cutter->pass(next);
    ASSERT_EQ(out.files.size(), 2U);
    EXPECT_EQ(out.chainTitles, std::vector<std::string>{"Artist - Two"});
    EXPECT_TRUE(out.files[1] == next) << "the second chain as it came";
}

TEST(TitleCutsTest, ShortSongsRepeatsAndAnHourlyCountBoundTheFiles) {
    TitleCuts cuts({15s, 3, 60s});
    const auto t0 = TitleCuts::Clock::time_point{} + 1000h;
    using Step = TitleCuts::Step;
    cuts.begin("A", t0);
    EXPECT_EQ(cuts.next("A", t0 + 1s), Step::Keep) << "the same title again";
    EXPECT_EQ(cuts.next("Jingle", t0 + 5s), Step::Rename) << "the file under way is short";
    EXPECT_EQ(cuts.next("B", t0 + 30s), Step::Cut);
    EXPECT_EQ(cuts.next("Jingle", t0 + 50s), Step::Keep) << "heard within the minute";
    EXPECT_EQ(cuts.next("C", t0 + 80s), Step::Cut);
    EXPECT_EQ(cuts.next("D", t0 + 200s), Step::Keep) << "three files began this hour";
    EXPECT_EQ(cuts.next("E", t0 + 3601s), Step::Cut) << "the first of them is an hour old";
    EXPECT_EQ(cuts.next("A", t0 + 3700s), Step::Cut) << "heard long ago";
}

} // namespace
} // namespace lumo
