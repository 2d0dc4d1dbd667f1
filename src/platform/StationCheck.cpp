#include "platform/StationCheck.h"

#include "platform/CurlWait.h"
#include "platform/HttpTransfer.h"
#include "platform/UserAgent.h"

#include <memory>

namespace lumo {

namespace {

struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

} // namespace

bool stationAnswers(const std::string& address, long timeoutMilliseconds) {
    const auto target = httpAddressFor(address);
    if (!target || address.find("://") == std::string::npos) {
        return false; // only an http(s) station with its scheme can be looked at
    }
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!multi || !easy) {
        return false;
    }
    CURL* e = easy.get();
    curl_easy_setopt(e, CURLOPT_URL, target->c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, timeoutMilliseconds);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, timeoutMilliseconds);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(e, CURLOPT_FAILONERROR, 1L);
    // The first byte of the stream is enough: the transfer ends there.
    curl_easy_setopt(
        e, CURLOPT_WRITEFUNCTION, +[](char*, size_t, size_t, void*) -> size_t { return 0; });
    curl_multi_add_handle(multi.get(), e);
    CURLcode result = CURLE_OK;
    driveMulti(multi.get(), {}, {}, result);
    long status = 0;
    curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
    curl_multi_remove_handle(multi.get(), e);
    const bool streamStarted = result == CURLE_OK || result == CURLE_WRITE_ERROR;
    return streamStarted && status >= 200 && status < 300;
}

} // namespace lumo
