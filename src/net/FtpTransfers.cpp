// The session's file transfers: streamed downloads and uploads, and whole files to and from
// local paths.
#include "net/FtpClient.h"

#include "net/FtpClientImpl.h"

#include <cstdio>

namespace lumo {

void FtpClient::download(const std::string& remote, bool binary, Sink sink, Done done) {
    if (!m->mayStart(done)) {
        return;
    }
    CURL* easy = m->begin(m->url(m->absolute(remote), false));
    curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    m->sink = std::move(sink);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, m.get());
    curl_easy_setopt(
        easy, CURLOPT_WRITEFUNCTION,
        +[](char* data, size_t size, size_t count, void* user) -> size_t {
            auto* self = static_cast<Impl*>(user);
            const size_t n = size * count;
            return self->sink(std::string_view(data, n)) ? n : 0;
        });
    m->run(std::move(done), [this](CURLcode code) { return code == CURLE_OK || m->fail(code); });
}

void FtpClient::upload(const std::string& remote, bool binary, Source source, Done done) {
    if (!m->mayStart(done)) {
        return;
    }
    CURL* easy = m->begin(m->url(m->absolute(remote), false));
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    m->source = std::move(source);
    curl_easy_setopt(easy, CURLOPT_READDATA, m.get());
    curl_easy_setopt(
        easy, CURLOPT_READFUNCTION, +[](char* data, size_t size, size_t count, void* user) {
            return static_cast<Impl*>(user)->source(data, size * count);
        });
    m->run(std::move(done), [this](CURLcode code) { return code == CURLE_OK || m->fail(code); });
}

void FtpClient::getFile(const std::string& remote, const std::string& local, bool binary,
                        Done done) {
    if (!m->mayStart(done)) {
        return;
    }
    CURL* easy = m->begin(m->url(m->absolute(remote), false));
    curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    m->fetched.clear();
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &m->fetched);
    curl_easy_setopt(
        easy, CURLOPT_WRITEFUNCTION,
        +[](char* data, size_t size, size_t count, void* user) -> size_t {
            static_cast<std::string*>(user)->append(data, size * count);
            return size * count;
        });
    m->run(std::move(done), [this, local](CURLcode code) {
        const std::string bytes = std::move(m->fetched);
        m->fetched.clear();
        if (code != CURLE_OK) {
            return m->fail(code);
        }
        File out(std::fopen(local.c_str(), "wb"));
        if (!out) {
            return m->fail(CURLE_WRITE_ERROR);
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.get()) == bytes.size();
        return (std::fclose(out.release()) == 0 && written) || m->fail(CURLE_WRITE_ERROR);
    });
}

void FtpClient::putFile(const std::string& local, const std::string& remote, bool binary,
                        Done done) {
    if (!m->mayStart(done)) {
        return;
    }
    File in(std::fopen(local.c_str(), "rb"));
    if (!in) {
        m->answerLater(std::move(done), m->fail(CURLE_READ_ERROR));
        return;
    }
    CURL* easy = m->begin(m->url(m->absolute(remote), false));
    m->file = std::move(in);
    curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    curl_easy_setopt(easy, CURLOPT_READDATA, m->file.get());
    m->run(std::move(done), [this](CURLcode code) { return code == CURLE_OK || m->fail(code); });
}

} // namespace lumo
