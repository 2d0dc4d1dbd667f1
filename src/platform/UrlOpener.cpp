#include "platform/UrlOpener.h"

#include "platform/Trim.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace lumo {

bool isNetworkAddress(std::string_view address) {
    static constexpr std::array<std::string_view, 6> schemes{"http", "https", "mms",
                                                             "mmsh", "rtsp",  "rtmp"};
    address = trimmed(address, " \t");
    if (std::ranges::any_of(address, [](unsigned char c) { return c < 0x20 || c == 0x7f; })) {
        return false;
    }
    const auto colon = address.find("://");
    if (colon == std::string_view::npos) {
        return false;
    }
    std::string scheme(address.substr(0, colon));
    std::ranges::transform(scheme, scheme.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::ranges::find(schemes, scheme) == schemes.end()) {
        return false;
    }
    const std::string_view rest = address.substr(colon + 3);
    const std::string_view host = rest.substr(0, rest.find_first_of("/?#"));
    return !host.empty() && host.find(' ') == std::string_view::npos;
}

bool isOpenableAddress(std::string_view address, std::string_view folderAddress) {
    return isNetworkAddress(address) ||
           (!folderAddress.empty() && folderAddress.starts_with("file:///") &&
            address == folderAddress);
}

} // namespace lumo
