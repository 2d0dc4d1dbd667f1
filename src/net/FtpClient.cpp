#include "net/FtpClient.h"

#include "net/FtpClientImpl.h"

#include <cctype>
#include <cstdio>
#include <fnmatch.h>
#include <map>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace lumo {

namespace {

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    static_cast<FtpReplies*>(user)->take(std::string_view(data, size * count));
    return size * count;
}

std::string encodeSegment(const std::string& segment) {
    std::string out;
    for (unsigned char c : segment) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

} // namespace

// "/a/b/../c/" -> "/a/c"
std::string normalisedFtpPath(const std::string& path) {
    std::vector<std::string> parts;
    std::stringstream in(path);
    std::string part;
    while (std::getline(in, part, '/')) {
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (const auto& p : parts) {
        out += "/" + p;
    }
    return out.empty() ? "/" : out;
}

SList commands(std::initializer_list<std::string> lines) {
    curl_slist* list = nullptr;
    for (const auto& line : lines) {
        list = curl_slist_append(list, line.c_str());
    }
    return SList(list);
}

std::string FtpClient::Impl::absolute(const std::string& name) const {
    return normalisedFtpPath(!name.empty() && name.front() == '/' ? name : cwd + "/" + name);
}

std::string FtpClient::Impl::url(const std::string& absolutePath, bool folder) const {
    std::string out = "ftp://" + server + "/%2F";
    std::stringstream in(absolutePath.substr(1));
    std::string part;
    bool first = true;
    while (std::getline(in, part, '/')) {
        out += (first ? "" : "/") + encodeSegment(part);
        first = false;
    }
    if (folder) {
        out += "/"; // the root too: "%2F/" enters "/"
    }
    return out;
}

curl_socket_t FtpClient::Impl::openSocket(void* session, curlsocktype, curl_sockaddr* address) {
    const curl_socket_t socket =
        ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    if (socket != CURL_SOCKET_BAD) {
        static_cast<Impl*>(session)->sockets.insert(socket);
    }
    return socket;
}

int FtpClient::Impl::closeSocket(void* session, curl_socket_t socket) {
    static_cast<Impl*>(session)->sockets.erase(socket);
    return ::close(socket);
}

// Every call gets a handle of its own on the session's connection cache, so the login is
// kept from call to call.
CURL* FtpClient::Impl::begin(const std::string& address) {
    if (share == nullptr) {
        share = curl_share_init();
        curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_CONNECT);
    }
    call = std::make_unique<Transfer>(engine);
    replies = FtpReplies{};
    quote.reset();
    call->setNudged(true);
    CURL* easy = call->handle();
    if (easy == nullptr) {
        return nullptr;
    }
    curl_easy_setopt(easy, CURLOPT_SHARE, share);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &Impl::openSocket);
    curl_easy_setopt(easy, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &Impl::closeSocket);
    curl_easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(easy, CURLOPT_URL, address.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(easy, CURLOPT_USERNAME, user.c_str());
    curl_easy_setopt(easy, CURLOPT_PASSWORD, password.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, 15L);
    curl_easy_setopt(easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, 30L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, 30L);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &replies);
    curl_easy_setopt(easy, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    if (!passive) {
        curl_easy_setopt(easy, CURLOPT_FTPPORT, "-");
    }
    curl_easy_setopt(
        easy, CURLOPT_WRITEFUNCTION,
        +[](char*, size_t size, size_t count, void*) { return size * count; });
    return easy;
}

void FtpClient::Impl::run(Done done, std::function<bool(CURLcode)> end) {
    call->start([this, done = std::move(done), end = std::move(end)](CURLcode code) {
        sink = {};
        source = {};
        file.reset();
        const bool ok = end(code);
        done(ok); // may end the session: nothing of it is touched after
    });
}

void FtpClient::Impl::answerLater(Done done, bool ok) {
    deferred.post([done = std::move(done), ok] { done(ok); });
}

bool FtpClient::Impl::mayStart(Done& done, bool needsConnection) {
    if (needsConnection && !isConnected) {
        answerLater(std::move(done), notConnected());
        return false;
    }
    if (call && call->running()) {
        answerLater(std::move(done), fail(CURLE_OK, kTransferInProgress));
        return false;
    }
    return true;
}

bool FtpClient::Impl::fail(CURLcode code, int overrideCode) {
    errorResponse = replies.last;
    if (overrideCode != 0) {
        errorCode = overrideCode;
        return false;
    }
    switch (code) {
    case CURLE_ABORTED_BY_CALLBACK:
        errorCode = kOperationCancelled;
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
        errorCode = kNameNotResolved;
        break;
    case CURLE_COULDNT_CONNECT:
        errorCode = kCannotConnect;
        break;
    case CURLE_OPERATION_TIMEDOUT:
        errorCode = kTimeout;
        break;
    default:
        if (replies.lastCode >= 400) {
            errorCode = kServerRefused;
        } else if (code == CURLE_RECV_ERROR || code == CURLE_SEND_ERROR ||
                   code == CURLE_PARTIAL_FILE || code == CURLE_GOT_NOTHING ||
                   code == CURLE_FTP_ACCEPT_FAILED || code == CURLE_FTP_ACCEPT_TIMEOUT ||
                   code == CURLE_FTP_WEIRD_SERVER_REPLY) {
            errorCode = kConnectionLost;
        } else {
            errorCode = kInternalError;
        }
    }
    return false;
}

bool FtpClient::Impl::notConnected() {
    errorResponse.clear();
    errorCode = kNotConnected;
    return false;
}

// The connection goes without a QUIT: libcurl would wait for the server's answer on this
// thread, and a server that never gives one would hold the window. Its sockets are shut first,
// so closing the cache cannot wait on them either.
void FtpClient::Impl::closeConnection() {
    deferred.cancel();
    call.reset();
    isConnected = false;
    sink = {};
    source = {};
    file.reset();
    for (const curl_socket_t socket : sockets) {
        ::shutdown(socket, SHUT_RDWR);
    }
    if (share != nullptr) {
        curl_share_cleanup(share);
        share = nullptr;
    }
}

void FtpClient::Impl::quoteCommands(std::initializer_list<std::string> lines, Done done) {
    if (!mayStart(done)) {
        return;
    }
    CURL* easy = begin(url(cwd, true));
    quote = commands(lines);
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTQUOTE, quote.get());
    run(std::move(done), [this](CURLcode code) { return code == CURLE_OK || fail(code); });
}

FtpClient::FtpClient(NetEngine& engine) : m(std::make_unique<Impl>(engine)) {}
FtpClient::~FtpClient() = default;

void FtpClient::connect(const std::string& server, const std::string& user,
                        const std::string& password, bool passive, Done done) {
    close();
    m->server = server;
    m->user = user;
    m->password = password;
    m->passive = passive;
    // Logging in, the server is asked where it put us: the folder comes in the 257 reply.
    CURL* easy = m->begin("ftp://" + server + "/");
    m->quote = commands({"PWD"});
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTQUOTE, m->quote.get());
    m->run(std::move(done), [this](CURLcode code) {
        if (code != CURLE_OK) {
            return m->fail(code);
        }
        m->isConnected = true;
        m->cwd =
            m->replies.lastDirectory.empty() ? "/" : normalisedFtpPath(m->replies.lastDirectory);
        return true;
    });
}

void FtpClient::close() {
    m->closeConnection();
}

bool FtpClient::connected() const {
    return m->isConnected;
}

bool FtpClient::busy() const {
    return m->call && m->call->running();
}

void FtpClient::setCurrentDirectory(const std::string& folder, Done done) {
    if (!m->mayStart(done)) {
        return;
    }
    const std::string target = m->absolute(folder);
    CURL* easy = m->begin(m->url(target, true));
    m->quote = commands({"PWD"});
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(easy, CURLOPT_POSTQUOTE, m->quote.get());
    m->run(std::move(done), [this, target](CURLcode code) {
        if (code != CURLE_OK) {
            return m->fail(code);
        }
        m->cwd =
            m->replies.lastDirectory.empty() ? target : normalisedFtpPath(m->replies.lastDirectory);
        return true;
    });
}

std::optional<std::string> FtpClient::currentDirectory() {
    if (!m->isConnected) {
        m->notConnected();
        return std::nullopt;
    }
    return m->cwd;
}

void FtpClient::find(const std::string& filter, const Listed& done) {
    Done refused = [done](bool) { done(std::nullopt); };
    if (!m->mayStart(refused)) {
        return;
    }
    const auto slash = filter.rfind('/');
    const std::string folder =
        slash == std::string::npos ? m->cwd : m->absolute(filter.substr(0, slash + 1));
    const std::string pattern = slash == std::string::npos ? filter : filter.substr(slash + 1);
    m->listing.clear();
    CURL* easy = m->begin(m->url(folder, true) + "*");
    curl_easy_setopt(easy, CURLOPT_WILDCARDMATCH, 1L);
    curl_easy_setopt(easy, CURLOPT_CHUNK_DATA, &m->listing);
    curl_easy_setopt(
        easy, CURLOPT_CHUNK_BGN_FUNCTION, +[](const void* info, void* user, int) -> long {
            const auto* file = static_cast<const curl_fileinfo*>(info);
            auto* entries = static_cast<std::vector<Entry>*>(user);
            const std::string name = file->filename ? file->filename : "";
            if (name != "." && name != "..") {
                entries->push_back({name, file->filetype == CURLFILETYPE_DIRECTORY,
                                    static_cast<std::int64_t>(file->size)});
            }
            return CURL_CHUNK_BGN_FUNC_SKIP;
        });
    auto matching = std::make_shared<std::optional<std::vector<Entry>>>();
    m->run([done, matching](bool) { done(std::move(*matching)); },
           [this, pattern, matching](CURLcode code) {
               if (code != CURLE_OK && code != CURLE_REMOTE_FILE_NOT_FOUND) {
                   return m->fail(code);
               }
               std::vector<Entry> found;
               for (auto& entry : m->listing) {
                   if (::fnmatch(pattern.c_str(), entry.name.c_str(), 0) == 0) {
                       found.push_back(std::move(entry));
                   }
               }
               m->listing.clear();
               if (found.empty()) {
                   m->fail(CURLE_OK, kNoMoreFiles);
               }
               *matching = std::move(found);
               return true;
           });
}

void FtpClient::rename(const std::string& from, const std::string& to, Done done) {
    m->quoteCommands({"RNFR " + from, "RNTO " + to}, std::move(done));
}
void FtpClient::removeFile(const std::string& remote, Done done) {
    m->quoteCommands({"DELE " + remote}, std::move(done));
}
void FtpClient::makeDirectory(const std::string& folder, Done done) {
    m->quoteCommands({"MKD " + folder}, std::move(done));
}
void FtpClient::removeDirectory(const std::string& folder, Done done) {
    m->quoteCommands({"RMD " + folder}, std::move(done));
}

int FtpClient::lastErrorCode() const {
    return m->errorCode;
}
std::string FtpClient::lastResponse() const {
    return m->errorResponse;
}

std::string FtpClient::messageFor(int code) {
    static const std::map<int, std::string> messages{
        {kNotConnected, "The handle is invalid."},
        {kNoMoreFiles, "There are no more files."},
        {kTimeout, "The operation timed out"},
        {kServerRefused, "An extended error was returned from the server."},
        {kInternalError, "An internal error occurred."},
        {kNameNotResolved, "The server name or address could not be resolved"},
        {kCannotConnect, "A connection with the server could not be established"},
        {kConnectionLost, "The connection with the server was terminated abnormally"},
        {kTransferInProgress, "There is already an FTP request in progress on this session."},
        {kOperationCancelled, "The operation was canceled."},
    };
    const auto it = messages.find(code);
    return it == messages.end() ? std::string() : it->second;
}

} // namespace lumo
