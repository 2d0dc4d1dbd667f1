// Pictures from outside, decoded off the window's thread within their limits.
#include "platform/PictureDecoder.h"
#include "EventWait.h"
#include "Pictures.h"
#include "platform/JpegScans.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace lumo {
namespace {

using Picture = std::optional<QImage>;

class PictureDecoderTest : public ::testing::Test {
protected:
    Picture decode(const std::string& bytes, QSize size = {}) {
        const auto result = test::resultOf<Picture>([&](auto done) {
            return decoder.decode(QByteArray::fromStdString(bytes), size, done);
        });
        EXPECT_TRUE(result.has_value()) << "no result";
        return result.value_or(std::nullopt);
    }

    PictureDecoder decoder;
};

TEST_F(PictureDecoderTest, PicturesArriveAtTheSizeTheyAreShown) {
    const Picture still = decode(test::jpegOf(Qt::red, 640, 480), QSize(232, 146));
    ASSERT_TRUE(still.has_value());
    EXPECT_EQ(still->size(), QSize(232, 146));
    EXPECT_GT(still->pixelColor(100, 70).red(), 200);
    const Picture advert = decode(test::noisyPng(3));
    ASSERT_TRUE(advert.has_value());
    EXPECT_EQ(advert->size(), QSize(120, 40));
}

TEST_F(PictureDecoderTest, WhatIsNoPictureOrCostsTooMuchIsRefused) {
    EXPECT_FALSE(decode("<html><body>Not Found</body></html>").has_value());
    EXPECT_FALSE(decode("").has_value());
    EXPECT_FALSE(decode("P1\n2 2\n0 1\n1 0\n").has_value()) << "formats beyond the usual ones";
    const std::string repeated = test::repeatedScanJpeg(200);
    EXPECT_GT(jpegScanCount(repeated, 1000), 64);
    EXPECT_FALSE(decode(repeated, QSize(232, 146)).has_value());
    EXPECT_TRUE(decode(test::repeatedScanJpeg(0), QSize(232, 146)).has_value())
        << "the same picture without the repeats is fine";
    const std::string huge = test::plainPng(5700, 5700);
    EXPECT_LT(huge.size(), 200u * 1024) << "small on the wire";
    EXPECT_FALSE(decode(huge, QSize(262, 66)).has_value());
}

// The window never waits on a decode: an event queued after the decode started runs before its
// result arrives. A decode that runs past its time is refused; one whose owner has gone ends
// without a word.
TEST_F(PictureDecoderTest, DecodesRunBesideTheWindowAndWithinTheirTime) {
    const QByteArray big = QByteArray::fromStdString(test::noisyPng(5, 3000, 3000));
    std::vector<std::string> order;
    auto decode = decoder.decode(big, {}, [&](Picture picture) {
        EXPECT_TRUE(picture.has_value());
        order.push_back("decoded");
    });
    QTimer::singleShot(0, [&] { order.push_back("queued event"); });
    ASSERT_TRUE(test::waitUntil([&] { return order.size() == 2; }, 15000));
    EXPECT_EQ(order.front(), "queued event");

    PictureDecoder hurried(PictureLimits{64, 4096LL * 4096, 64, 1});
    const auto late =
        test::resultOf<Picture>([&](auto done) { return hurried.decode(big, {}, done); });
    ASSERT_TRUE(late.has_value());
    EXPECT_FALSE(late->has_value()) << "a 9-megapixel decode takes more than a millisecond";

    bool told = false;
    auto dropped = decoder.decode(big, {}, [&](Picture) { told = true; });
    dropped.reset();
    test::runFor(1500);
    EXPECT_FALSE(told);
}

} // namespace
} // namespace lumo
