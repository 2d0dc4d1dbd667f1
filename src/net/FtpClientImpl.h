#pragma once

// The inside of FtpClient, shared by its two source files.
#include "net/FtpClient.h"
#include "net/FtpReplies.h"
#include "net/NetEngine.h"
#include "platform/Pending.h"

#include <QObject>
#include <cstdint>
#include <cstdio>
#include <curl/curl.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace lumo {

struct SListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using SList = std::unique_ptr<curl_slist, SListDeleter>;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

struct FtpClient::Impl {
    explicit Impl(NetEngine& e) : engine(e) {}
    ~Impl() { closeConnection(); }

    NetEngine& engine;
    // The session's own connection cache: its control connection lives here between calls,
    // and goes with it.
    CURLSH* share = nullptr;
    // Every socket the session's connections opened and have not closed yet.
    std::set<curl_socket_t> sockets;
    std::unique_ptr<Transfer> call; // the call under way, or the last one
    DeferredCalls deferred;         // results known at once; a close() drops what is still queued

    std::string server, user, password;
    bool passive = true;
    bool isConnected = false;
    std::string cwd = "/";
    FtpReplies replies;
    int errorCode = 0;
    std::string errorResponse;

    // what the call under way works with
    SList quote;
    std::vector<Entry> listing;
    Sink sink;
    Source source;
    File file;
    std::string fetched;

    std::string absolute(const std::string& name) const;
    std::string url(const std::string& absolutePath, bool folder) const;

    // A fresh handle for the next call, set up as every call is, on the session's connection.
    CURL* begin(const std::string& address);
    // Starts the call; `end` turns libcurl's result into the call's outcome, then `done` hears it.
    void run(Done done, std::function<bool(CURLcode)> end);
    // A call that cannot start: its outcome still comes as an event.
    void answerLater(Done done, bool ok);
    // Refuses a call while another runs, or without a connection; true when it may go on.
    bool mayStart(Done& done, bool needsConnection = true);
    bool fail(CURLcode code, int overrideCode = 0);
    bool notConnected();
    void closeConnection();
    // Sends commands after entering the current folder.
    void quoteCommands(std::initializer_list<std::string> lines, Done done);

    static curl_socket_t openSocket(void* session, curlsocktype, curl_sockaddr* address);
    static int closeSocket(void* session, curl_socket_t socket);
};

SList commands(std::initializer_list<std::string> lines);
std::string normalisedFtpPath(const std::string& path);

} // namespace lumo
