#include "net/HttpTransfer.h"

#include "net/HttpRead.h"
#include "net/NetEngine.h"

#include <algorithm>
#include <cctype>

namespace lumo {

std::optional<std::string> httpAddressFor(const std::string& url) {
    const auto first = url.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const std::string address = url.substr(first, url.find_last_not_of(" \t") - first + 1);
    const auto colon = address.find(':');
    const auto slash = std::min(address.find('/'), address.size());
    // "host:8080/x" has no scheme (a port follows the colon); "mailto:x" and "file:/x" have one.
    bool hasScheme = colon != std::string::npos && colon > 0 && colon < slash;
    if (hasScheme) {
        const std::string afterColon = address.substr(colon + 1, slash - colon - 1);
        hasScheme = afterColon.empty() || !std::ranges::all_of(afterColon, [](unsigned char c) {
                        return std::isdigit(c);
                    });
    }
    if (!hasScheme) {
        return "http://" + address;
    }
    std::string scheme = address.substr(0, colon);
    std::ranges::transform(scheme, scheme.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if ((scheme == "http" || scheme == "https") && address.compare(colon, 3, "://") == 0) {
        return address;
    }
    return std::nullopt;
}

PendingPtr CurlHttpTransfer::OpenURL(const std::string& url, Done done) {
    const auto address = httpAddressFor(url);
    if (!address) {
        return later([done = std::move(done)] { done(std::nullopt); });
    }
    return httpRead(m_engine, *address, m_limits, [done = std::move(done)](HttpReadResult result) {
        if (result.complete()) {
            done(std::move(result.body));
        } else {
            done(std::nullopt);
        }
    });
}

} // namespace lumo
