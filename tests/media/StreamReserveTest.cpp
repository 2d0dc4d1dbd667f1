// The reserve kept back from libVLC: when it lets bytes through, how it grows after an
// underrun, and when the network may be read in batches.
#include "media/StreamReserve.h"
#include "media/StreamFeed.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

constexpr std::size_t kMost = 1 << 20;

TEST(StreamReserveTest, FillsThenGrowsAfterEachUnderrunUpToItsLongest) {
    StreamReserve reserve;
    reserve.setRate(16000);
    const std::size_t first = 16000 * StreamReserve::kFirstMs / 1000;
    EXPECT_FALSE(reserve.mayTake(first - 1, false, 0)) << "nothing before the reserve is there";
    EXPECT_EQ(reserve.batchMs(), 0) << "while it fills, the network is read as it comes";
    EXPECT_TRUE(reserve.mayTake(first, false, 10));
    EXPECT_FALSE(reserve.filling());
    EXPECT_EQ(reserve.batchMs(), StreamReserve::kBatchMs);
    EXPECT_LT(StreamReserve::kBatchMs, StreamReserve::kFirstMs) << "a batch is within the reserve";

    reserve.underran();
    EXPECT_TRUE(reserve.filling());
    EXPECT_EQ(reserve.underruns(), 1);
    EXPECT_FALSE(reserve.mayTake(first, false, 20)) << "a larger reserve before playing on";
    EXPECT_TRUE(reserve.mayTake(2 * first, false, 30));
    reserve.underran();
    reserve.underran(); // while filling: the same underrun
    EXPECT_EQ(reserve.underruns(), 2);
    for (int i = 0; i < 5; ++i) {
        reserve.mayTake(kMost, false, 40);
        reserve.underran();
    }
    EXPECT_EQ(reserve.targetMs(), StreamReserve::kLongestMs);
    EXPECT_TRUE(reserve.mayTake(0, true, 50)) << "at the end what is left goes";
}

TEST(StreamReserveTest, ItsRateIsMeasuredFromWhatLibVlcTakesUnlessTheStationNamedIt) {
    StreamReserve guessed;
    ASSERT_TRUE(guessed.mayTake(kMost, false, 0));
    for (std::int64_t at = 100; at <= StreamReserve::kMeasureMs; at += 100) {
        guessed.took(4800, at); // 48,000 bytes a second
    }
    EXPECT_EQ(guessed.rate(), 48000U);
    EXPECT_EQ(guessed.target(), 48000U * StreamReserve::kFirstMs / 1000);

    StreamReserve named;
    named.setRate(8000);
    ASSERT_TRUE(named.mayTake(kMost, false, 0));
    named.took(400000, StreamReserve::kMeasureMs);
    EXPECT_EQ(named.rate(), 8000U);
}

// Far more than plays: the network side is told to hold off at half the feed's room, and asked
// for more once libVLC has taken it below a quarter.
TEST(StreamFeedTest, HoldsTheNetworkOffWhenFullAndAsksForMoreWhenTaken) {
    StreamFeed feed;
    int asked = 0;
    feed.setMore([&] { ++asked; });
    const std::string piece(64 * 1024, 'x');
    while (feed.wantsMore()) {
        feed.add(piece);
    }
    EXPECT_EQ(feed.buffered(), StreamFeed::kRoom / 2);
    EXPECT_TRUE(feed.holding());
    std::vector<unsigned char> into(64 * 1024);
    while (feed.buffered() >= StreamFeed::kRoom / 4) {
        ASSERT_GT(feed.read(into.data(), into.size()), 0);
    }
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(feed.holding());
    feed.end();
    while (feed.read(into.data(), into.size()) > 0) {
    }
    EXPECT_EQ(feed.buffered(), 0U);
}

} // namespace
} // namespace lumo
