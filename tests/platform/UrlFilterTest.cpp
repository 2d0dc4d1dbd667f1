#include "media/MediaPlayer.h"
#include "platform/UrlOpener.h"
#include "media/VlcStateMap.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(NetworkAddress, StreamAndWebSchemesAreHandedOn) {
    for (const char* address :
         {"http://www.example.org/", "HTTPS://example.org/page?x=1", "mms://media.example.org/live",
          "mmsh://10.1.2.3:8080/s", "rtsp://cam.example.org/feed", "rtmp://live.example.org/app",
          "  http://example.org/padded  "}) {
        EXPECT_TRUE(isNetworkAddress(address)) << address;
    }
}

TEST(NetworkAddress, LocalPathsFilesAndOtherSchemesAreRefused) {
    for (const char* address :
         {"", "NONE", "/usr/bin/xterm", "C:\\Windows\\notepad.exe", "file:///etc/passwd",
          "file://host/share", "javascript:alert(1)", "ftp://example.org/x", "smb://host/share",
          "http:/missing-slash", "http://", "http:///path-only", "www.example.org",
          "http://exa mple.org/", "http://example.org/\nrm -rf"}) {
        EXPECT_FALSE(isNetworkAddress(address)) << address;
    }
}

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
