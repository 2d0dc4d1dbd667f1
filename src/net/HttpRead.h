#pragma once

#include "platform/Pending.h"

#include <cstddef>
#include <cstdint>
#include <curl/curl.h>
#include <functional>
#include <string>

namespace lumo {

class NetEngine;

// One http(s) request on the engine, set up as every request of the program is: http and https
// only (redirects too, at most `maxRedirects`), the program's User-Agent, a connect and a total
// time limit, and a cap on the body. An HTTP error status ends it as failed.
struct HttpReadOptions {
    long connectMilliseconds = 10000;
    long totalMilliseconds = 20000;
    long maxRedirects = 5;
    std::size_t maxBytes = 8 * 1024 * 1024;
    // A body that reaches the cap: the request fails, or it ends there with what it has.
    enum class AtCap { Fail, Stop } atCap = AtCap::Fail;
    // Told from the event loop as the body arrives (not for every piece): the bytes so far,
    // and the length the server gave (-1 when it gave none).
    std::function<void(std::int64_t received, std::int64_t length)> progress{};
};

struct HttpReadResult {
    CURLcode code = CURLE_OK;
    long status = 0;  // the last response's HTTP status
    std::string body; // what arrived, at most the cap
    bool capped = false;
    // The body arrived whole: no failure, and no cut at the cap.
    bool complete() const { return code == CURLE_OK && !capped; }
};

// Sets up `easy` as every http(s) request of the program is: `address`, http and https only
// (redirects too, at most `maxRedirects`), the connect limit, the program's User-Agent, and an
// HTTP error status as a failure. Time and size limits beyond that are the caller's.
void setUpHttpRequest(CURL* easy, const std::string& address, long connectMilliseconds,
                      long maxRedirects);

// Starts the request for `address` (a full http(s) address); `done` comes later from the event
// loop. Dropping the handle cancels the request: its connection closes and `done` never comes.
[[nodiscard]] PendingPtr httpRead(NetEngine& engine, const std::string& address,
                                  const HttpReadOptions& options,
                                  std::function<void(HttpReadResult)> done);

} // namespace lumo
