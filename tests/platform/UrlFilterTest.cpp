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

} // namespace
} // namespace lumo
