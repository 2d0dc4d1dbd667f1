#include "platform/UrlOpener.h"

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

TEST(NetworkAddress, TheRecordingsFolderIsTheOneLocalAddressOpened) {
    const std::string folder = "file:///home/ann/Music/Lumo";
    EXPECT_TRUE(isOpenableAddress(folder, folder));
    EXPECT_TRUE(isOpenableAddress("https://example.org/", folder));
    for (const char* address :
         {"file:///home/ann/Music/Lumo/../../.bashrc", "file:///home/ann/Music/Lumo/x.mp3",
          "file:///home/ann/Music", "file:///etc/passwd", "/home/ann/Music/Lumo"}) {
        EXPECT_FALSE(isOpenableAddress(address, folder)) << address;
    }
    EXPECT_FALSE(isOpenableAddress("", "")) << "no folder allowed: nothing local";
    EXPECT_FALSE(isOpenableAddress("/etc", "/etc")) << "only a file: address";
}

} // namespace
} // namespace lumo
