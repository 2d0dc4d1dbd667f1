#include "platform/CurlHttpTransfer.h"

#include "platform/HttpRequest.h"

#include <algorithm>
#include <cctype>

namespace lumo {

namespace {

struct Body {
    std::string bytes;
    std::size_t limit = 0;
    bool tooBig = false;
};

size_t collect(char* data, size_t size, size_t count, void* user) {
    auto* body = static_cast<Body*>(user);
    const size_t n = size * count;
    if (body->bytes.size() + n > body->limit) {
        body->tooBig = true;
        return 0; // ends the transfer as failed
    }
    body->bytes.append(data, n);
    return n;
}

} // namespace

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

std::optional<std::string> CurlHttpTransfer::OpenURL(const std::string& url) {
    const auto address = httpAddressFor(url);
    if (!address || (m_cancelled && m_cancelled())) {
        return std::nullopt;
    }
    HttpRequest request(*address, m_limits.connectMilliseconds, m_limits.totalMilliseconds,
                        m_limits.maxRedirects);
    if (!request.valid()) {
        return std::nullopt;
    }
    Body body{{}, m_limits.maxBytes, false};
    CURL* e = request.handle();
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(m_limits.maxBytes));
    curl_easy_setopt(e, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &body);
    if (request.run(m_cancelled) != CURLE_OK || body.tooBig) {
        return std::nullopt;
    }
    return std::move(body.bytes);
}

} // namespace lumo
