// What the rest of the program reads of the media player: its states and its length text.
#include "media/MediaPlayer.h"
#include "media/VlcStateMap.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(DurationText, MinutesAndSecondsThenHours) {
    EXPECT_EQ(formatDuration(205), "03:25");
    EXPECT_EQ(formatDuration(59.6), "01:00");
    EXPECT_EQ(formatDuration(3599), "59:59");
    EXPECT_EQ(formatDuration(3725), "1:02:05");
    EXPECT_EQ(formatDuration(0), "");
    EXPECT_EQ(formatDuration(-3), "");
}

TEST(PlayStateTable, LibVlcStatesMapToTheProgramsValues) {
    EXPECT_EQ(playStateFor(libvlc_NothingSpecial), PlayState::Undefined);
    EXPECT_EQ(playStateFor(libvlc_Stopped), PlayState::Stopped);
    EXPECT_EQ(playStateFor(libvlc_Paused), PlayState::Paused);
    EXPECT_EQ(playStateFor(libvlc_Playing), PlayState::Playing);
    EXPECT_EQ(playStateFor(libvlc_Ended), PlayState::Ready);
    EXPECT_EQ(playStateFor(libvlc_Error), PlayState::Ready);
    EXPECT_EQ(playStateFor(libvlc_Opening), PlayState::Transitioning);
}

} // namespace
} // namespace lumo
