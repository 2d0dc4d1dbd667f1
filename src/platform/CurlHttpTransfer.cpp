#include "platform/CurlHttpTransfer.h"

#include "platform/CurlWait.h"
#include "platform/UserAgent.h"

#include <algorithm>
#include <cctype>
#include <memory>

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

struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

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
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!multi || !easy) {
        return std::nullopt;
    }
    Body body{{}, m_limits.maxBytes, false};
    CURL* e = easy.get();
    curl_easy_setopt(e, CURLOPT_URL, address->c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, m_limits.maxRedirects);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, m_limits.connectMilliseconds);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, m_limits.totalMilliseconds);
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(m_limits.maxBytes));
    curl_easy_setopt(e, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &collect);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &body);
    curl_multi_add_handle(multi.get(), e);
    CURLcode result = CURLE_OK;
    const bool ended = driveMulti(multi.get(), {}, m_cancelled, result);
    curl_multi_remove_handle(multi.get(), e);
    if (!ended || result != CURLE_OK || body.tooBig) {
        return std::nullopt;
    }
    return std::move(body.bytes);
}

} // namespace lumo
