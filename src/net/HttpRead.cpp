#include "net/HttpRead.h"

#include "net/NetEngine.h"
#include "net/UserAgent.h"

#include <QTimer>
#include <algorithm>

namespace lumo {

namespace {

class HttpReadRequest final : public Pending {
public:
    HttpReadRequest(NetEngine& engine, const std::string& address, const HttpReadOptions& options,
                    std::function<void(HttpReadResult)> done)
        : m_transfer(engine), m_options(options), m_done(std::move(done)) {
        CURL* e = m_transfer.handle();
        if (e == nullptr) {
            m_transfer.fail(CURLE_FAILED_INIT, [this](CURLcode code) { finish(code); });
            return;
        }
        setUpHttpRequest(e, address, options.connectMilliseconds, options.maxRedirects);
        curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, options.totalMilliseconds);
        if (options.atCap == HttpReadOptions::AtCap::Fail) {
            // A length given in advance that is too long fails before the body comes.
            curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE,
                             static_cast<curl_off_t>(options.maxBytes));
        }
        curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &HttpReadRequest::collect);
        curl_easy_setopt(e, CURLOPT_WRITEDATA, this);
        m_tellProgress.setSingleShot(true);
        QObject::connect(&m_tellProgress, &QTimer::timeout, [this] {
            curl_off_t length = -1;
            curl_easy_getinfo(m_transfer.handle(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
            m_options.progress(static_cast<std::int64_t>(m_result.body.size()),
                               static_cast<std::int64_t>(length));
        });
        m_transfer.start([this](CURLcode code) { finish(code); });
    }

private:
    // Runs inside libcurl: buffering only.
    static size_t collect(char* data, size_t size, size_t count, void* user) {
        auto* self = static_cast<HttpReadRequest*>(user);
        const size_t n = size * count;
        const size_t room = self->m_options.maxBytes - self->m_result.body.size();
        self->m_result.body.append(data, std::min(n, room));
        if (self->m_options.progress && !self->m_tellProgress.isActive()) {
            self->m_tellProgress.start(kProgressEveryMs); // told once the event loop runs
        }
        if (n >= room) {
            self->m_result.capped =
                n > room || self->m_options.atCap == HttpReadOptions::AtCap::Stop;
            return self->m_result.capped ? 0 : n; // 0 ends the transfer
        }
        return n;
    }

    void finish(CURLcode code) {
        m_result.code = code;
        m_result.status = m_transfer.responseCode();
        auto done = std::exchange(m_done, {});
        done(std::move(m_result)); // may drop this request: nothing of it is touched after
    }

    static constexpr int kProgressEveryMs = 100;

    Transfer m_transfer;
    QTimer m_tellProgress; // goes with the request: nothing is told once it is dropped
    HttpReadOptions m_options;
    std::function<void(HttpReadResult)> m_done;
    HttpReadResult m_result;
};

} // namespace

void setUpHttpRequest(CURL* e, const std::string& address, long connectMilliseconds,
                      long maxRedirects) {
    curl_easy_setopt(e, CURLOPT_URL, address.c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(e, CURLOPT_MAXREDIRS, maxRedirects);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, connectMilliseconds);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_USERAGENT, kUserAgent);
    curl_easy_setopt(e, CURLOPT_FAILONERROR, 1L);
}

PendingPtr httpRead(NetEngine& engine, const std::string& address, const HttpReadOptions& options,
                    std::function<void(HttpReadResult)> done) {
    return std::make_unique<HttpReadRequest>(engine, address, options, std::move(done));
}

} // namespace lumo
