#include "platform/StationCheck.h"

#include "platform/HttpRequest.h"
#include "platform/HttpTransfer.h"

namespace lumo {

bool stationAnswers(const std::string& address, long timeoutMilliseconds) {
    const auto target = httpAddressFor(address);
    if (!target || address.find("://") == std::string::npos) {
        return false; // only an http(s) station with its scheme can be looked at
    }
    HttpRequest request(*target, timeoutMilliseconds, timeoutMilliseconds);
    if (!request.valid()) {
        return false;
    }
    curl_easy_setopt(request.handle(), CURLOPT_FAILONERROR, 1L);
    // The first byte of the stream is enough: the transfer ends there.
    curl_easy_setopt(
        request.handle(), CURLOPT_WRITEFUNCTION,
        +[](char*, size_t, size_t, void*) -> size_t { return 0; });
    const CURLcode result = request.run();
    const long status = request.status();
    return (result == CURLE_OK || result == CURLE_WRITE_ERROR) && status >= 200 && status < 300;
}

} // namespace lumo
