#include "platform/HttpRequest.h"

#include "platform/CurlWait.h"
#include "platform/UserAgent.h"

namespace lumo {

HttpRequest::HttpRequest(const std::string& address, long connectMilliseconds,
                         long totalMilliseconds, long maxRedirects)
    : m_multi(curl_multi_init()), m_easy(curl_easy_init()) {
    if (m_easy == nullptr) {
        return;
    }
    curl_easy_setopt(m_easy, CURLOPT_URL, address.c_str());
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_easy, CURLOPT_MAXREDIRS, maxRedirects);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT_MS, connectMilliseconds);
    curl_easy_setopt(m_easy, CURLOPT_TIMEOUT_MS, totalMilliseconds);
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_USERAGENT, kUserAgent);
}

HttpRequest::~HttpRequest() {
    if (m_easy != nullptr) {
        curl_easy_cleanup(m_easy);
    }
    if (m_multi != nullptr) {
        curl_multi_cleanup(m_multi);
    }
}

CURLcode HttpRequest::run(const std::function<bool()>& cancelled) {
    if (!valid()) {
        return CURLE_FAILED_INIT;
    }
    curl_multi_add_handle(m_multi, m_easy);
    CURLcode result = CURLE_OK;
    driveMulti(m_multi, {}, cancelled, result);
    curl_multi_remove_handle(m_multi, m_easy);
    return result;
}

CURLcode HttpRequest::runBlocking() {
    return m_easy != nullptr ? curl_easy_perform(m_easy) : CURLE_FAILED_INIT;
}

long HttpRequest::status() const {
    long code = 0;
    if (m_easy != nullptr) {
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &code);
    }
    return code;
}

} // namespace lumo
