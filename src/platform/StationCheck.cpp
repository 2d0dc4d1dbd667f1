#include "platform/StationCheck.h"

#include "platform/HttpRequest.h"
#include "platform/HttpTransfer.h"

namespace lumo {

bool canLookAt(const std::string& address) {
    return address.find("://") != std::string::npos && httpAddressFor(address).has_value();
}

bool stationAnswers(const std::string& address, long timeoutMilliseconds) {
    if (!canLookAt(address)) {
        return false;
    }
    HttpRequest request(*httpAddressFor(address), timeoutMilliseconds, timeoutMilliseconds);
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
