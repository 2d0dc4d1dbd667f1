#pragma once

#include <curl/curl.h>
#include <functional>
#include <string>

namespace lumo {

// One http(s) request, its libcurl handles released with it, set up as every request of the
// program is: http and https only (redirects too, at most `maxRedirects`), the program's
// User-Agent, no signals, a connect and a total time limit. Callers add what is theirs (a
// write function, a size cap) through handle().
class HttpRequest {
public:
    HttpRequest(const std::string& address, long connectMilliseconds, long totalMilliseconds,
                long maxRedirects = 5);
    ~HttpRequest();
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    bool valid() const { return m_multi != nullptr && m_easy != nullptr; }
    CURL* handle() const { return m_easy; }

    // Runs the request to its end, window events running meanwhile (see CurlWait.h); when
    // `cancelled` holds it ends at once with CURLE_ABORTED_BY_CALLBACK.
    CURLcode run(const std::function<bool()>& cancelled = {});
    // Runs it without letting any event in, for callers inside an event of their own.
    CURLcode runBlocking();
    // The HTTP status of the last response, 0 before one.
    long status() const;

private:
    CURLM* m_multi = nullptr;
    CURL* m_easy = nullptr;
};

} // namespace lumo
