#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lumo::test {

// A small HTTP/1.0 server on 127.0.0.1 for tests: it serves fixed documents, can hold a
// connection open without ever answering, and stops (closing every connection) when told to
// or when it goes out of scope.
class LoopbackHttpServer {
public:
    struct Resource {
        Resource() = default;
        Resource(std::string type, std::string content, bool silent = false, int rate = 0,
                 std::size_t loopStart = 0)
            : contentType(std::move(type)), body(std::move(content)), neverAnswer(silent),
              bytesPerSecond(rate), loopFrom(loopStart) {}

        std::string contentType;
        std::string body;
        bool neverAnswer = false; // accept the request, then stay silent
        // Live: with a rate, the body is sent without a length at that many bytes a second,
        // its part from `loopFrom` on repeated until the server stops.
        int bytesPerSecond = 0;
        std::size_t loopFrom = 0;
        // Live: sent as an ICY stream title to a client that asks for metadata; `makeTitle`,
        // when set, gives the title afresh for each metadata block.
        std::string icyTitle;
        std::function<std::string()> makeTitle;
        // Live: each tenth of a second's worth of body is late by up to this many milliseconds
        // (what is owed follows in the next piece, so the rate holds on average).
        int jitterMilliseconds = 0;
        // Live: after this many bytes of body the server goes quiet, the connection held open.
        std::size_t stallAfter = 0;
        // Live: after `holdAfter` bytes of body the server holds its data back once, for this
        // long, then sends what it owes at once (as a network that holds the data does).
        std::size_t holdAfter = 0;
        int holdMilliseconds = 0;
        // Live: the answer's first line, and the interval it names when asked for metadata
        // (the text as sent; empty names the one it uses).
        std::string statusLine = "HTTP/1.0 200 OK";
        std::string namedInterval;
        // Live: header lines sent for ever, never ending the headers, one every this many
        // milliseconds (0: as fast as they go).
        bool endlessHeaders = false;
        int headerLineMilliseconds = 0;
        // Documents: false answers without byte ranges, as simple servers do.
        bool seekable = true;
        // Answered with a redirect ("302 Found") to this address when set.
        std::string redirectTo;
        // Documents: made afresh for each request when set (a live playlist that slides).
        std::function<std::string()> makeBody;
        // Documents: the answer comes this many milliseconds after the request.
        int answerAfterMilliseconds = 0;
    };

    // Listens on `port`, or on a free port when 0.
    explicit LoopbackHttpServer(std::uint16_t port = 0);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    void serve(const std::string& path, Resource resource);
    std::uint16_t port() const { return m_port; }
    std::string url(const std::string& path) const;
    int requestCount(const std::string& path) const;
    // Every request for `path` so far, headers and all.
    std::vector<std::string> requests(const std::string& path) const;
    // Connections asking for `path` that the client has not closed yet.
    int openConnections(const std::string& path) const;
    void stop();

private:
    void acceptLoop();
    void handle(int client);
    void sendLive(int client, const Resource& resource, bool withMetadata);

    int m_listener = -1;
    std::uint16_t m_port = 0;
    std::atomic<bool> m_stopping{false};
    mutable std::mutex m_mutex;
    std::map<std::string, Resource> m_resources;
    std::map<std::string, int> m_requests;
    std::map<std::string, std::vector<std::string>> m_requestTexts;
    std::map<std::string, int> m_open;
    std::vector<std::thread> m_workers;
    std::vector<int> m_clients;
    std::thread m_acceptor;
};

// A port on 127.0.0.1 that nothing listens on (bound, then released).
std::uint16_t closedLoopbackPort();

} // namespace lumo::test
