#pragma once

#include <optional>
#include <string>

namespace lumo {

// The HTTP transfer component: one synchronous operation.
class HttpTransfer {
public:
    virtual ~HttpTransfer() = default;

    // OpenURL: the whole body of the resource at `url`, or nothing when the transfer failed.
    // A URL without a scheme is taken as http.
    virtual std::optional<std::string> OpenURL(const std::string& url) = 0;
};

// The address a fetch of `url` goes to: as it is for http and https, with "http://" in front
// when it has no scheme; nothing for any other scheme.
std::optional<std::string> httpAddressFor(const std::string& url);

} // namespace lumo
