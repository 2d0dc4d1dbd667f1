#pragma once

#include "platform/HttpTransfer.h"

#include <cstddef>
#include <functional>

namespace lumo {

// How long a fetch may take and how much it may bring.
struct HttpLimits {
    long connectMilliseconds = 10000;
    long totalMilliseconds = 20000;
    std::size_t maxBytes = 8 * 1024 * 1024;
    long maxRedirects = 5;
};

// HTTP fetches over libcurl, bounded in time and size. Each fetch waits the way every transfer
// of the program waits (window events run meanwhile, see CurlWait.h), so a fetch made while
// another one waits is a fetch of its own. Only http and https, redirects included; an HTTP
// error status is a failed fetch.
class CurlHttpTransfer : public HttpTransfer {
public:
    using Limits = HttpLimits;

    explicit CurlHttpTransfer(Limits limits = {}) : m_limits(limits) {}

    // While it holds, fetches end at once as failed (the program is ending).
    void setCancelCheck(std::function<bool()> cancelled) { m_cancelled = std::move(cancelled); }

    std::optional<std::string> OpenURL(const std::string& url) override;

private:
    Limits m_limits;
    std::function<bool()> m_cancelled;
};

} // namespace lumo
