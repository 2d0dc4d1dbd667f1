#pragma once

#include <string>
#include <string_view>

namespace lumo {

// True for the addresses the program may hand to the desktop: http, https, mms, mmsh, rtsp
// and rtmp, followed by "//" and a host. Local paths, file: and every other scheme are refused.
bool isNetworkAddress(std::string_view address);
// What may be handed to the desktop: a network address, or exactly `folderAddress` (the file:
// address of the recordings folder, when there is one); no other local address.
bool isOpenableAddress(std::string_view address, std::string_view folderAddress);

// Opens an address with the desktop's default handler (the web browser, a media player...).
// Whether a handler ran is not reported; callers never examine it.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const std::string& address) = 0;
};

} // namespace lumo
