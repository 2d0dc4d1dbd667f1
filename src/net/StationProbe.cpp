#include "net/StationProbe.h"

#include "net/HttpRead.h"
#include "net/HttpTransfer.h"
#include "net/NetEngine.h"

namespace lumo {

bool canProbe(const std::string& address) {
    return address.find("://") != std::string::npos && httpAddressFor(address).has_value();
}

PendingPtr probeStation(NetEngine& engine, const std::string& address, long timeoutMilliseconds,
                        std::function<void(bool)> done) {
    HttpReadOptions options;
    options.connectMilliseconds = timeoutMilliseconds;
    options.totalMilliseconds = timeoutMilliseconds;
    options.maxBytes = 1; // the first byte of the stream is enough: the transfer ends there
    options.atCap = HttpReadOptions::AtCap::Stop;
    if (!canProbe(address)) {
        return later([done = std::move(done)] { done(false); });
    }
    return httpRead(engine, *httpAddressFor(address), options,
                    [done = std::move(done)](const HttpReadResult& result) {
                        const bool started = result.code == CURLE_OK ||
                                             (result.capped && result.code == CURLE_WRITE_ERROR);
                        done(started && result.status >= 200 && result.status < 300);
                    });
}

} // namespace lumo
