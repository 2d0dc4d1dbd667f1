// Run at 144 dpi, where the skin is not 5820 twips high: the window stays rectangular.
#include "PlayerWindowFixture.h"
#include "platform/ClickLabel.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

class FallbackSkinTest : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(FallbackSkinTest, AnotherScreenScaleShowsTheFallbackSkinAndKeepsTheSize) {
    auto window = makeWindow();
    ASSERT_EQ(window->logicalDpiY(), 144) << "the suite runs on a 144 dpi offscreen screen";
    window->load();
    EXPECT_TRUE(window->Image15->isVisible());
    EXPECT_EQ(window->size(), QSize(299, 381));
    EXPECT_TRUE(window->mask().isEmpty());
    // Buttons stay above the fallback image.
    EXPECT_EQ(window->childAt(window->Image2->geometry().center()), window->Image2);
}

} // namespace
} // namespace lumo
