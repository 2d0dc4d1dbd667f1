#pragma once

#include "net/HttpRead.h"
#include "platform/Pending.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace lumo {

class NetEngine;

// How long a fetch may take and how much it may bring: the request's own limits.
using HttpLimits = HttpReadOptions;

// The HTTP transfer component: one operation.
class HttpTransfer {
public:
    using Done = std::function<void(std::optional<std::string> body)>;

    virtual ~HttpTransfer() = default;

    // OpenURL: fetches the whole body of the resource at `url` (an address without a scheme is
    // taken as http). `done` comes later, from the event loop, with the body, or with nothing
    // when the transfer failed. Dropping the returned handle cancels the fetch: its
    // connection is closed and `done` never comes.
    [[nodiscard]] virtual PendingPtr OpenURL(const std::string& url, Done done) = 0;
};

// The address a fetch of `url` goes to: as it is for http and https, with "http://" in front
// when it has no scheme; nothing for any other scheme.
std::optional<std::string> httpAddressFor(const std::string& url);

// Fetches over the network engine, bounded in time and size: only http and https, redirects
// included; an HTTP error status, a body past the cap or a cut-off transfer is a failed fetch.
// Each fetch is a transfer of its own: any number may run at once.
class CurlHttpTransfer final : public HttpTransfer {
public:
    explicit CurlHttpTransfer(NetEngine& engine, HttpLimits limits = {})
        : m_engine(engine), m_limits(std::move(limits)) {}

    PendingPtr OpenURL(const std::string& url, Done done) override;

private:
    NetEngine& m_engine;
    HttpLimits m_limits;
};

} // namespace lumo
