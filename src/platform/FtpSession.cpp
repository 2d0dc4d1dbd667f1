#include "platform/FtpSession.h"

#include "platform/CurlWait.h"
#include "platform/FtpReplies.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <curl/curl.h>
#include <fnmatch.h>
#include <functional>
#include <map>
#include <sstream>
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

// "/a/b/../c/" -> "/a/c"
std::string normalised(const std::string& path) {
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

struct SListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using SList = std::unique_ptr<curl_slist, SListDeleter>;

// How far a download reads ahead of the blocks its reader takes.
constexpr std::size_t kReadAhead = 256 * 1024;

SList commands(std::initializer_list<std::string> lines) {
    curl_slist* list = nullptr;
    for (const auto& line : lines) {
        list = curl_slist_append(list, line.c_str());
    }
    return SList(list);
}

} // namespace

struct FtpSession::Impl {
    CURLM* multi = curl_multi_init();
    CURL* easy = curl_easy_init();
    std::string server, user, password;
    bool passive = true;
    bool isConnected = false;
    std::string cwd = "/";
    FtpReplies replies;
    int errorCode = 0;
    std::string errorResponse;

    // the open block-wise transfer
    enum class Transfer { None, Reading, Writing } transfer = Transfer::None;
    std::string buffer;    // read: received, not yet taken; write: offered, not yet sent
    std::size_t taken = 0; // read: how much of the buffer the reader has had
    std::size_t available() const { return buffer.size() - taken; }
    std::size_t want = 0;
    bool paused = false;
    bool done = false;
    bool uploadEnds = false;
    CURLcode result = CURLE_OK;
    SList quote;
    std::function<bool()> cancelled;

    ~Impl() {
        curl_multi_remove_handle(multi, easy);
        curl_easy_cleanup(easy);
        curl_multi_cleanup(multi);
    }

    std::string absolute(const std::string& name) const {
        return normalised(!name.empty() && name.front() == '/' ? name : cwd + "/" + name);
    }

    std::string url(const std::string& absolutePath, bool folder) const {
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

    // Every call starts from the same options on the one handle, so the control connection
    // (kept in the multi handle's cache) is reused.
    void base(const std::string& address) {
        curl_easy_reset(easy);
        replies = FtpReplies{};
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
    }

    // Drives the handle until `satisfied` holds or the transfer ends.
    void drive(const std::function<bool()>& satisfied) {
        if (!done) {
            done = driveMulti(multi, satisfied, cancelled, result);
        }
    }

    void start() {
        done = false;
        paused = false;
        result = CURLE_OK;
        curl_multi_add_handle(multi, easy);
    }

    void finish() { curl_multi_remove_handle(multi, easy); }

    // Runs one whole call to its end.
    CURLcode run() {
        start();
        drive([] { return false; });
        finish();
        return result;
    }

    bool fail(CURLcode code, int overrideCode = 0) {
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
                       code == CURLE_FTP_ACCEPT_FAILED || code == CURLE_FTP_ACCEPT_TIMEOUT) {
                errorCode = kConnectionLost;
            } else {
                errorCode = kInternalError;
            }
        }
        return false;
    }

    bool notConnected() {
        errorResponse.clear();
        errorCode = kNotConnected;
        return false;
    }

    // Goes to `address` (logging in first when needed) and asks the server where it is: the
    // folder comes back in the 257 reply.
    CURLcode enterAndAskFolder(const std::string& address) {
        base(address);
        quote = commands({"PWD"});
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, quote.get());
        return run();
    }

    // Sets the handle up for a transfer of one remote file, unless another is open.
    bool prepareTransfer(const std::string& remote, bool binary) {
        if (!isConnected) {
            return notConnected();
        }
        if (transfer != Transfer::None) {
            return fail(CURLE_OK, kTransferInProgress);
        }
        base(url(absolute(remote), false));
        curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
        return true;
    }

    bool quoteCommands(std::initializer_list<std::string> lines) {
        if (!isConnected) {
            return notConnected();
        }
        if (transfer != Transfer::None) {
            return fail(CURLE_OK, kTransferInProgress);
        }
        base(url(cwd, true));
        quote = commands(lines);
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTQUOTE, quote.get());
        const CURLcode code = run();
        return code == CURLE_OK || fail(code);
    }
};

FtpSession::FtpSession() : m(std::make_unique<Impl>()) {}
FtpSession::~FtpSession() = default;

bool FtpSession::connect(const std::string& server, const std::string& user,
                         const std::string& password, bool passive) {
    close();
    m->server = server;
    m->user = user;
    m->password = password;
    m->passive = passive;
    const CURLcode code = m->enterAndAskFolder("ftp://" + server + "/");
    if (code != CURLE_OK) {
        return m->fail(code);
    }
    m->isConnected = true;
    m->cwd = m->replies.lastDirectory.empty() ? "/" : normalised(m->replies.lastDirectory);
    return true;
}

void FtpSession::close() {
    if (m->transfer != Impl::Transfer::None) {
        m->finish();
        m->transfer = Impl::Transfer::None;
    }
    m->isConnected = false;
    // Closing the handle's connections: a fresh handle logs in again next time.
    curl_multi_remove_handle(m->multi, m->easy);
    curl_easy_cleanup(m->easy);
    curl_multi_cleanup(m->multi);
    m->multi = curl_multi_init();
    m->easy = curl_easy_init();
}

bool FtpSession::connected() const {
    return m->isConnected;
}

bool FtpSession::setCurrentDirectory(const std::string& folder) {
    if (!m->isConnected) {
        return m->notConnected();
    }
    const std::string target = m->absolute(folder);
    const CURLcode code = m->enterAndAskFolder(m->url(target, true));
    if (code != CURLE_OK) {
        return m->fail(code);
    }
    m->cwd = m->replies.lastDirectory.empty() ? target : normalised(m->replies.lastDirectory);
    return true;
}

std::optional<std::string> FtpSession::currentDirectory() {
    if (!m->isConnected) {
        m->notConnected();
        return std::nullopt;
    }
    return m->cwd;
}

std::optional<std::vector<FtpSession::Entry>> FtpSession::find(const std::string& filter) {
    if (!m->isConnected) {
        m->notConnected();
        return std::nullopt;
    }
    const auto slash = filter.rfind('/');
    const std::string folder =
        slash == std::string::npos ? m->cwd : m->absolute(filter.substr(0, slash + 1));
    const std::string pattern = slash == std::string::npos ? filter : filter.substr(slash + 1);
    std::vector<Entry> all;
    // A listing gets a handle of its own in the same multi handle (which keeps the connection,
    // and so the login): libcurl 7.88 leaks each listed entry when a wildcard listing runs on a
    // handle that carried an earlier transfer.
    struct OwnHandle {
        Impl& session;
        CURL* kept;
        explicit OwnHandle(Impl& s) : session(s), kept(std::exchange(s.easy, curl_easy_init())) {}
        ~OwnHandle() {
            curl_multi_remove_handle(session.multi, session.easy);
            curl_easy_cleanup(std::exchange(session.easy, kept));
        }
        OwnHandle(const OwnHandle&) = delete;
        OwnHandle& operator=(const OwnHandle&) = delete;
    } listing(*m);
    m->base(m->url(folder, true) + "*");
    curl_easy_setopt(m->easy, CURLOPT_WILDCARDMATCH, 1L);
    curl_easy_setopt(m->easy, CURLOPT_CHUNK_DATA, &all);
    curl_easy_setopt(
        m->easy, CURLOPT_CHUNK_BGN_FUNCTION, +[](const void* info, void* user, int) -> long {
            const auto* file = static_cast<const curl_fileinfo*>(info);
            auto* entries = static_cast<std::vector<Entry>*>(user);
            const std::string name = file->filename ? file->filename : "";
            if (name != "." && name != "..") {
                entries->push_back({name, file->filetype == CURLFILETYPE_DIRECTORY,
                                    static_cast<std::int64_t>(file->size)});
            }
            return CURL_CHUNK_BGN_FUNC_SKIP;
        });
    const CURLcode code = m->run();
    if (code != CURLE_OK && code != CURLE_REMOTE_FILE_NOT_FOUND) {
        m->fail(code);
        return std::nullopt;
    }
    std::vector<Entry> matching;
    for (auto& entry : all) {
        if (::fnmatch(pattern.c_str(), entry.name.c_str(), 0) == 0) {
            matching.push_back(std::move(entry));
        }
    }
    if (matching.empty()) {
        m->fail(CURLE_OK, kNoMoreFiles);
    }
    return matching;
}

bool FtpSession::openForReading(const std::string& remote, bool binary) {
    if (!m->prepareTransfer(remote, binary)) {
        return false;
    }
    curl_easy_setopt(m->easy, CURLOPT_WRITEDATA, m.get());
    curl_easy_setopt(
        m->easy, CURLOPT_WRITEFUNCTION,
        +[](char* data, size_t size, size_t count, void* user) -> size_t {
            auto* self = static_cast<Impl*>(user);
            // Read ahead in the sizes libcurl delivers; hold back only once the buffer is full.
            if (self->available() >= std::max(kReadAhead, self->want)) {
                self->paused = true;
                return CURL_WRITEFUNC_PAUSE;
            }
            if (self->taken > self->buffer.size() / 2) { // what was taken goes now and then
                self->buffer.erase(0, self->taken);
                self->taken = 0;
            }
            self->buffer.append(data, size * count);
            return size * count;
        });
    m->buffer.clear();
    m->taken = 0;
    m->want = 1;
    m->start();
    m->drive([this] { return m->available() > 0 || m->paused; });
    if (m->done && m->result != CURLE_OK) {
        m->finish();
        return m->fail(m->result);
    }
    m->transfer = Impl::Transfer::Reading;
    return true;
}

bool FtpSession::read(char* buffer, std::size_t size, std::size_t& got) {
    got = 0;
    if (m->transfer != Impl::Transfer::Reading) {
        return m->fail(CURLE_OK, kInternalError);
    }
    m->want = size;
    if (m->available() < size && m->paused && !m->done) {
        m->paused = false;
        curl_easy_pause(m->easy, CURLPAUSE_CONT);
    }
    m->drive([this, size] { return m->available() >= size || m->paused; });
    if (m->available() < size && m->done && m->result != CURLE_OK) {
        return m->fail(m->result);
    }
    got = std::min(size, m->available());
    std::memcpy(buffer, m->buffer.data() + m->taken, got);
    m->taken += got;
    return true;
}

bool FtpSession::openForWriting(const std::string& remote, bool binary) {
    if (!m->prepareTransfer(remote, binary)) {
        return false;
    }
    curl_easy_setopt(m->easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m->easy, CURLOPT_READDATA, m.get());
    curl_easy_setopt(
        m->easy, CURLOPT_READFUNCTION,
        +[](char* data, size_t size, size_t count, void* user) -> size_t {
            auto* self = static_cast<Impl*>(user);
            if (self->buffer.empty()) {
                if (self->uploadEnds) {
                    return 0;
                }
                self->paused = true;
                return CURL_READFUNC_PAUSE;
            }
            const size_t n = std::min(size * count, self->buffer.size());
            std::memcpy(data, self->buffer.data(), n);
            self->buffer.erase(0, n);
            return n;
        });
    m->buffer.clear();
    m->uploadEnds = false;
    m->start();
    // Ready once libcurl asks for data: the server has accepted the file.
    m->drive([this] { return m->paused; });
    if (m->done) {
        m->finish();
        return m->result == CURLE_OK ? m->fail(CURLE_OK, kInternalError) : m->fail(m->result);
    }
    m->transfer = Impl::Transfer::Writing;
    return true;
}

bool FtpSession::write(const char* data, std::size_t size) {
    if (m->transfer != Impl::Transfer::Writing) {
        return m->fail(CURLE_OK, kInternalError);
    }
    m->buffer.append(data, size);
    m->paused = false;
    curl_easy_pause(m->easy, CURLPAUSE_CONT);
    m->drive([this] { return m->buffer.empty() && m->paused; });
    if (m->done) {
        return m->fail(m->result == CURLE_OK ? CURLE_SEND_ERROR : m->result);
    }
    return true;
}

bool FtpSession::closeFile() {
    const auto transfer = std::exchange(m->transfer, Impl::Transfer::None);
    if (transfer == Impl::Transfer::None) {
        return true;
    }
    if (transfer == Impl::Transfer::Reading) {
        const bool complete = m->done;
        m->finish(); // an unfinished download is abandoned
        m->buffer.clear();
        m->taken = 0;
        return complete ? (m->result == CURLE_OK || m->fail(m->result)) : true;
    }
    m->uploadEnds = true;
    m->paused = false;
    curl_easy_pause(m->easy, CURLPAUSE_CONT);
    m->drive([] { return false; });
    m->finish();
    return m->result == CURLE_OK || m->fail(m->result);
}

bool FtpSession::getFile(const std::string& remote, const std::string& local, bool binary) {
    if (!m->isConnected) {
        return m->notConnected();
    }
    std::string bytes;
    m->base(m->url(m->absolute(remote), false));
    curl_easy_setopt(m->easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    curl_easy_setopt(m->easy, CURLOPT_WRITEDATA, &bytes);
    curl_easy_setopt(
        m->easy, CURLOPT_WRITEFUNCTION,
        +[](char* data, size_t size, size_t count, void* user) -> size_t {
            static_cast<std::string*>(user)->append(data, size * count);
            return size * count;
        });
    const CURLcode code = m->run();
    if (code != CURLE_OK) {
        return m->fail(code);
    }
    FILE* out = std::fopen(local.c_str(), "wb");
    if (out == nullptr) {
        return m->fail(CURLE_WRITE_ERROR);
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return (std::fclose(out) == 0 && written) || m->fail(CURLE_WRITE_ERROR);
}

bool FtpSession::putFile(const std::string& local, const std::string& remote, bool binary) {
    if (!m->isConnected) {
        return m->notConnected();
    }
    FILE* in = std::fopen(local.c_str(), "rb");
    if (in == nullptr) {
        return m->fail(CURLE_READ_ERROR);
    }
    m->base(m->url(m->absolute(remote), false));
    curl_easy_setopt(m->easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m->easy, CURLOPT_TRANSFERTEXT, binary ? 0L : 1L);
    curl_easy_setopt(m->easy, CURLOPT_READDATA, in);
    const CURLcode code = m->run();
    std::fclose(in);
    return code == CURLE_OK || m->fail(code);
}

bool FtpSession::rename(const std::string& from, const std::string& to) {
    return m->quoteCommands({"RNFR " + from, "RNTO " + to});
}
bool FtpSession::removeFile(const std::string& remote) {
    return m->quoteCommands({"DELE " + remote});
}
bool FtpSession::makeDirectory(const std::string& folder) {
    return m->quoteCommands({"MKD " + folder});
}
bool FtpSession::removeDirectory(const std::string& folder) {
    return m->quoteCommands({"RMD " + folder});
}

void FtpSession::setCancelCheck(std::function<bool()> cancelled) {
    m->cancelled = std::move(cancelled);
}

int FtpSession::lastErrorCode() const {
    return m->errorCode;
}
std::string FtpSession::lastResponse() const {
    return m->errorResponse;
}

std::string FtpSession::messageFor(int code) {
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
