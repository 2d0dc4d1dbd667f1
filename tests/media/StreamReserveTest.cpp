// The reserve kept back from libVLC: when it lets bytes through, how it grows after an
// underrun, and where the network side holds off.
#include "media/StreamReserve.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

constexpr std::size_t kMost = 1 << 20;

TEST(StreamReserveTest, FillsThenGrowsAfterEachUnderrunUpToItsLongest) {
    StreamReserve reserve(kMost);
    reserve.setRate(16000);
    const std::size_t first = 16000 * StreamReserve::kFirstMs / 1000;
    EXPECT_FALSE(reserve.mayTake(first - 1, false, 0)) << "nothing before the reserve is there";
    EXPECT_EQ(reserve.highMark(), kMost) << "while it fills, all that comes is wanted";
    EXPECT_TRUE(reserve.mayTake(first, false, 10));
    EXPECT_FALSE(reserve.filling());
    reserve.added(3000, 20);
    EXPECT_EQ(reserve.highMark(), kMost) << "too little to read in batches";

    // A burst at connect is kept as reserve: the network holds off near the level it reached,
    // and once libVLC has taken its share, near the level that stays.
    reserve.added(65536, 30);
    EXPECT_EQ(reserve.highMark(), 65536U - 4000U);
    EXPECT_EQ(reserve.lowMark(), 65536U - 16000U);
    reserve.added(50000, 40);
    EXPECT_EQ(reserve.highMark(), 65536U - 4000U);
    reserve.added(50000, 40 + StreamReserve::kSettleMs + 1);
    EXPECT_EQ(reserve.highMark(), 50000U - 4000U);

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
    StreamReserve guessed(kMost);
    ASSERT_TRUE(guessed.mayTake(kMost, false, 0));
    guessed.added(kMost, 0);
    for (std::int64_t at = 100; at <= StreamReserve::kMeasureMs; at += 100) {
        guessed.took(4800, at); // 48,000 bytes a second
    }
    EXPECT_EQ(guessed.rate(), 48000U);
    EXPECT_LE(guessed.highMark(), kMost / 2) << "never past half the feed's room";

    StreamReserve named(kMost);
    named.setRate(8000);
    ASSERT_TRUE(named.mayTake(kMost, false, 0));
    named.took(400000, StreamReserve::kMeasureMs);
    EXPECT_EQ(named.rate(), 8000U);
}

} // namespace
} // namespace lumo
