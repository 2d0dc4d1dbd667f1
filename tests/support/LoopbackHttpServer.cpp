#include "LoopbackHttpServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <stdexcept>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

namespace lumo::test {

namespace {

int listenOn(std::uint16_t port, std::uint16_t& bound) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        throw std::runtime_error("socket");
    }
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0) {
        ::close(fd);
        throw std::runtime_error("bind/listen on 127.0.0.1");
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    bound = ntohs(address.sin_port);
    return fd;
}

bool sendAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

// The first byte asked for by a "Range: bytes=N-" header, or 0.
std::size_t rangeStart(const std::string& request) {
    const auto at = request.find("\r\nRange: bytes=");
    if (at == std::string::npos) {
        return 0;
    }
    return std::strtoull(request.c_str() + at + 16, nullptr, 10);
}

bool asksForMetadata(std::string request) {
    std::ranges::transform(request, request.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return request.find("\r\nicy-metadata: 1") != std::string::npos;
}

// One ICY metadata block: a length byte in units of 16, then the padded text.
std::string icyBlock(const std::string& title) {
    std::string text = "StreamTitle='" + title + "';";
    text.resize((text.size() + 15) / 16 * 16, '\0');
    return static_cast<char>(text.size() / 16) + text;
}

constexpr std::size_t kIcyInterval = 8192;

} // namespace

LoopbackHttpServer::LoopbackHttpServer(std::uint16_t port) {
    m_listener = listenOn(port, m_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stop();
}

void LoopbackHttpServer::serve(const std::string& path, Resource resource) {
    std::lock_guard lock(m_mutex);
    m_resources[path] = std::move(resource);
}

std::string LoopbackHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<std::string> LoopbackHttpServer::requests(const std::string& path) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_requestTexts.find(path);
    return it == m_requestTexts.end() ? std::vector<std::string>() : it->second;
}

int LoopbackHttpServer::openConnections(const std::string& path) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_open.find(path);
    return it == m_open.end() ? 0 : it->second;
}

int LoopbackHttpServer::requestCount(const std::string& path) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_requests.find(path);
    return it == m_requests.end() ? 0 : it->second;
}

void LoopbackHttpServer::stop() {
    if (m_stopping.exchange(true)) {
        return;
    }
    if (m_acceptor.joinable()) {
        m_acceptor.join();
    }
    ::close(m_listener);
    {
        std::lock_guard lock(m_mutex);
        for (int client : m_clients) {
            ::shutdown(client, SHUT_RDWR);
        }
    }
    for (auto& worker : m_workers) {
        worker.join();
    }
}

void LoopbackHttpServer::acceptLoop() {
    while (!m_stopping) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            continue;
        }
        std::lock_guard lock(m_mutex);
        m_clients.push_back(client);
        m_workers.emplace_back([this, client] { handle(client); });
    }
}

void LoopbackHttpServer::handle(int client) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        pollfd waiting{client, POLLIN, 0};
        if (m_stopping || ::poll(&waiting, 1, 50) < 0) {
            break;
        }
        if (!(waiting.revents & POLLIN)) {
            continue;
        }
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        request.append(buffer, static_cast<std::size_t>(got));
    }
    const auto firstSpace = request.find(' ');
    const auto secondSpace = request.find(' ', firstSpace + 1);
    std::string path = firstSpace == std::string::npos
                           ? std::string()
                           : request.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    const bool head = request.starts_with("HEAD ");
    Resource resource;
    bool found = false;
    {
        std::lock_guard lock(m_mutex);
        ++m_requests[path];
        ++m_open[path];
        m_requestTexts[path].push_back(request);
        const auto it = m_resources.find(path);
        if (it != m_resources.end()) {
            resource = it->second;
            found = true;
        }
    }
    if (found && resource.makeBody) {
        resource.body = resource.makeBody();
    }
    // A slow server, or a silent one: either way the client may give up and close.
    auto clientLeft = [&] {
        pollfd idle{client, POLLIN, 0};
        ::poll(&idle, 1, 50);
        return (idle.revents & (POLLHUP | POLLERR)) != 0 ||
               ((idle.revents & POLLIN) != 0 && ::recv(client, buffer, sizeof buffer, 0) <= 0);
    };
    bool left = false;
    if (found && resource.answerAfterMilliseconds > 0) {
        const auto until = std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(resource.answerAfterMilliseconds);
        while (!m_stopping && !left && std::chrono::steady_clock::now() < until) {
            left = clientLeft();
        }
    }
    if (left) {
        // nothing more to say
    } else if (found && resource.neverAnswer) {
        while (!m_stopping && !clientLeft()) {
        }
    } else if (found && resource.bytesPerSecond > 0 && !request.empty()) {
        sendLive(client, resource, asksForMetadata(request));
    } else if (!request.empty()) {
        std::string header;
        if (found && !resource.redirectTo.empty()) {
            header = "HTTP/1.0 302 Found\r\nLocation: " + resource.redirectTo +
                     "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
            resource.body.clear();
        } else if (found) {
            // Documents can be read from an offset, as on-demand servers allow.
            const std::size_t from = resource.seekable ? rangeStart(request) : 0;
            if (from > 0 && from < resource.body.size()) {
                header = "HTTP/1.0 206 Partial Content\r\nContent-Range: bytes " +
                         std::to_string(from) + "-" + std::to_string(resource.body.size() - 1) +
                         "/" + std::to_string(resource.body.size()) + "\r\n";
                resource.body.erase(0, from);
            } else {
                header = "HTTP/1.0 200 OK\r\n";
            }
            header += "Content-Type: " + resource.contentType +
                      (resource.seekable ? "\r\nAccept-Ranges: bytes" : "\r\nAccept-Ranges: none") +
                      "\r\nContent-Length: " + std::to_string(resource.body.size()) +
                      "\r\nConnection: close\r\n\r\n";
        } else {
            resource.body = "not found";
            header = "HTTP/1.0 404 Not Found\r\nContent-Type: text/plain\r\nContent-Length: 9"
                     "\r\nConnection: close\r\n\r\n";
        }
        if (sendAll(client, header.data(), header.size()) && !head) {
            sendAll(client, resource.body.data(), resource.body.size());
        }
    }
    {
        std::lock_guard lock(m_mutex);
        --m_open[path];
        std::erase(m_clients, client);
        ::close(client);
    }
}

void LoopbackHttpServer::sendLive(int client, const Resource& resource, bool withMetadata) {
    const bool titled = !resource.icyTitle.empty() || resource.makeTitle;
    const bool icy = withMetadata && titled;
    // Stations name themselves in icy- headers, whether or not metadata was asked for.
    const std::string named =
        resource.namedInterval.empty() ? std::to_string(kIcyInterval) : resource.namedInterval;
    const std::string header =
        resource.statusLine + "\r\nContent-Type: " + resource.contentType +
        (titled ? "\r\nicy-name: Loopback" : "") +
        (icy || (withMetadata && !resource.namedInterval.empty()) ? "\r\nicy-metaint: " + named
                                                                  : "") +
        "\r\nConnection: close\r\n\r\n";
    if (resource.endlessHeaders) {
        const std::string line = "X-Filler: " + std::string(1000, 'x') + "\r\n";
        if (!sendAll(client, header.data(), header.size() - 2)) { // no blank line: no end
            return;
        }
        while (!m_stopping && sendAll(client, line.data(), line.size())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(resource.headerLineMilliseconds));
        }
        return;
    }
    std::size_t sent = 0;
    // The body, with a metadata block after every interval's worth of it.
    auto sendBody = [&](std::string_view data) {
        while (!data.empty()) {
            const std::size_t room = icy ? kIcyInterval - sent % kIcyInterval : data.size();
            if (resource.holdAfter > 0 && sent < resource.holdAfter &&
                sent + std::min(room, data.size()) >= resource.holdAfter) {
                std::this_thread::sleep_for(std::chrono::milliseconds(resource.holdMilliseconds));
            }
            const std::size_t take = std::min(room, data.size());
            if (!sendAll(client, data.data(), take)) {
                return false;
            }
            sent += take;
            data.remove_prefix(take);
            if (icy && sent % kIcyInterval == 0) {
                const std::string block =
                    icyBlock(resource.makeTitle ? resource.makeTitle() : resource.icyTitle);
                if (!sendAll(client, block.data(), block.size())) {
                    return false;
                }
            }
        }
        return true;
    };
    if (!sendAll(client, header.data(), header.size()) ||
        !sendBody(std::string_view(resource.body).substr(0, resource.loopFrom))) {
        return;
    }
    const std::string_view loop = std::string_view(resource.body).substr(resource.loopFrom);
    const std::size_t chunk = std::max<std::size_t>(1, resource.bytesPerSecond / 10);
    std::minstd_rand jitter(static_cast<unsigned>(client));
    const auto started = std::chrono::steady_clock::now();
    std::size_t looped = 0;
    std::size_t at = 0;
    while (!m_stopping && !loop.empty()) {
        // What the rate owes by now, one piece ahead.
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - started)
                                 .count();
        const std::size_t due =
            static_cast<std::size_t>(elapsed) * resource.bytesPerSecond / 1000 + chunk;
        std::string piece;
        while (looped + piece.size() < due) {
            const std::size_t take = std::min(due - looped - piece.size(), loop.size() - at);
            piece.append(loop.substr(at, take));
            at = (at + take) % loop.size();
        }
        looped += piece.size();
        if (resource.stallAfter > 0 && sent >= resource.stallAfter) {
            piece.clear(); // gone quiet: nothing more, the connection kept
        }
        if (!sendBody(piece)) {
            return;
        }
        const int late = resource.jitterMilliseconds > 0
                             ? static_cast<int>(jitter() % resource.jitterMilliseconds)
                             : 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(100 + late));
    }
}

std::uint16_t closedLoopbackPort() {
    std::uint16_t port = 0;
    const int fd = listenOn(0, port);
    ::close(fd);
    return port;
}

} // namespace lumo::test
