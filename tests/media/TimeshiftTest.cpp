// The store that keeps a live stream for pausing and moving back, and the feed over it, on a
// real folder.
#include "BytePattern.h"
#include "TempFolder.h"
#include "media/StreamFeed.h"
#include "media/TimeshiftStore.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace lumo {
namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t kRing = 64 * 1024;

class TimeshiftTest : public ::testing::Test {
protected:
    TimeshiftLimits limits(std::uint64_t free = 10ULL << 30) const {
        TimeshiftLimits given;
        given.folder = dir.path() / "cache";
        given.maxBytes = kRing;
        given.freeBytes = [free](const std::filesystem::path&) { return free; };
        return given;
    }
    template <typename Done> static bool soon(Done done) {
        for (int i = 0; i < 500 && !done(); ++i) {
            std::this_thread::sleep_for(10ms);
        }
        return done();
    }
    std::string readBack(TimeshiftStore& store, std::uint64_t at, std::size_t size) const {
        std::string out(size, '\0');
        std::size_t got = 0;
        while (got < size) {
            const long n = store.read(at + got, reinterpret_cast<unsigned char*>(out.data() + got),
                                      size - got);
            if (n <= 0) {
                return "read " + std::to_string(n) + " at " + std::to_string(at + got);
            }
            got += static_cast<std::size_t>(n);
        }
        return out;
    }
    bool folderEmpty() const {
        const auto folder = dir.path() / "cache";
        return !std::filesystem::exists(folder) || std::filesystem::is_empty(folder);
    }
    test::TempFolder dir;
    const std::string stream = test::bytePattern(300 * 1024);
};

TEST_F(TimeshiftTest, TheRingKeepsTheNewestBytesWithTheirTitlesAndLeavesNoFile) {
    TimeshiftStore store(limits());
    ASSERT_TRUE(soon([&] { return store.onDisk(); }));
    store.markTitle("First");
    for (std::size_t at = 0; at < stream.size(); at += 7000) {
        if (at == 140000) {
            store.markTitle("Second");
        }
        store.append(std::string_view(stream).substr(at, 7000));
    }
    EXPECT_EQ(store.end(), stream.size());
    ASSERT_TRUE(soon([&] { return store.waiting() == 0; }));
    // Only the ring's size is kept; the oldest went first, and what is kept reads back whole,
    // across the place where the ring comes round.
    const std::uint64_t first = store.start(0);
    EXPECT_EQ(first, stream.size() - kRing);
    unsigned char byte = 0;
    EXPECT_EQ(store.read(first - 1, &byte, 1), -1);
    EXPECT_EQ(readBack(store, first, kRing), stream.substr(first, kRing));
    // The seconds' bound: at 1000 bytes a second and an hour, 3.6 MB would do; at 10, 36 KB.
    EXPECT_EQ(store.start(1000), first);
    EXPECT_EQ(store.start(10), stream.size() - 36000);
    // Titles by the place they began.
    EXPECT_EQ(store.titleAt(139999), "First");
    EXPECT_EQ(store.titleAt(140000), "Second");
    EXPECT_EQ(store.titleStart(200000), 140000U);
    std::uint64_t next = 0;
    ASSERT_TRUE(store.nextTitle(100, next));
    EXPECT_EQ(next, 140000U);
    EXPECT_FALSE(store.nextTitle(140000, next));
    // The file has no name: nothing in the folder, now or after.
    EXPECT_TRUE(folderEmpty());
}

TEST_F(TimeshiftTest, ADiskWithTooLittleRoomOrNoFolderKeepsOnlyWhatIsNotYetHeard) {
    for (const TimeshiftLimits& given : {limits(100ULL << 20), TimeshiftLimits{}}) {
        StreamFeed feed(given);
        ASSERT_TRUE(soon([&] { return feed.store().settled(); }));
        feed.add(std::string_view(stream).substr(0, 4000));
        EXPECT_FALSE(feed.keepsHistory());
        // Read, and gone: nothing to move back to.
        feed.setRate(1000);
        feed.end();
        unsigned char into[4000];
        std::size_t got = 0;
        while (const ssize_t n = feed.read(into + got, sizeof into - got)) {
            got += static_cast<std::size_t>(n);
        }
        EXPECT_EQ(std::string(reinterpret_cast<char*>(into), got), stream.substr(0, 4000));
        EXPECT_EQ(feed.firstKept(), 4000U);
    }
    // The network side holds off at half the room, as before there was a ring.
    StreamFeed memory(limits(0));
    ASSERT_TRUE(soon([&] { return memory.store().settled(); }));
    memory.add(stream);
    memory.add(stream);
    EXPECT_FALSE(memory.wantsMore());
    EXPECT_TRUE(folderEmpty());
}

// A listener who pauses: libVLC stops reading, the network side goes on, and what came while
// paused is heard after it, from the place paused; moving back lands in what is kept.
TEST_F(TimeshiftTest, ThePausedFeedKeepsTakingTheStreamAndPlaysOnFromWhereItWas) {
    StreamFeed feed(limits());
    ASSERT_TRUE(soon([&] { return feed.keepsHistory(); }));
    feed.setRate(1000);
    feed.add(std::string_view(stream).substr(0, 10000));
    unsigned char into[2000];
    ASSERT_EQ(feed.read(into, sizeof into), 2000);
    for (std::size_t at = 10000; at < 200000; at += 10000) {
        EXPECT_TRUE(feed.wantsMore()) << "the network is never held off for a pause";
        feed.add(std::string_view(stream).substr(at, 10000));
    }
    EXPECT_EQ(feed.readAt(), 2000U);
    EXPECT_EQ(feed.liveEnd(), 200000U);
    ASSERT_TRUE(soon([&] { return feed.store().waiting() == 0; }));
    // Paused past what the ring holds: play goes on from the oldest byte kept.
    ASSERT_EQ(feed.read(into, sizeof into), 2000);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(into), 2000),
              stream.substr(200000 - kRing, 2000));
    // Moved back 30 seconds, and forward past the end (clamped to live).
    feed.moveTo(feed.readAt() + 30000);
    EXPECT_EQ(feed.readAt(), 200000 - kRing + 32000);
    ASSERT_EQ(feed.read(into, 100), 100);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(into), 100),
              stream.substr(200000 - kRing + 32000, 100));
    feed.moveTo(0);
    EXPECT_EQ(feed.readAt(), feed.firstKept());
    feed.moveTo(1 << 30);
    EXPECT_EQ(feed.readAt(), 200000U);
}

} // namespace
} // namespace lumo
