#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

class NetEngine;

// The internet library's FTP functions, over the network engine: one control connection kept
// across calls, the current folder, listings, whole-file and streamed transfers, and the error
// code and server response of the last failure. Every call is bounded by time-outs and ends as
// an event of its own (`done`, from the event loop). One call runs at a time; close() ends the
// call under way at once, and its `done` never comes.
class FtpClient {
public:
    // Error codes, as the update's FTP session (cFTP) reports them.
    static constexpr int kNotConnected = 6;
    static constexpr int kNoMoreFiles = 18;
    static constexpr int kTimeout = 12002;
    static constexpr int kServerRefused = 12003; // the server's last response says why
    static constexpr int kInternalError = 12004;
    static constexpr int kNameNotResolved = 12007;
    static constexpr int kCannotConnect = 12029;
    static constexpr int kConnectionLost = 12030;
    static constexpr int kTransferInProgress = 12110;
    static constexpr int kOperationCancelled = 12017;

    struct Entry {
        std::string name;
        bool directory = false;
        std::int64_t size = 0;
    };

    using Done = std::function<void(bool ok)>;
    using Listed = std::function<void(std::optional<std::vector<Entry>>)>;
    // Takes each piece of a download as it arrives. It runs inside the transfer, so it only
    // stores; false ends the download as failed.
    using Sink = std::function<bool(std::string_view piece)>;
    // Fills `buffer` (at most `room` bytes) with the next piece of an upload and says how much
    // it gave; 0 ends the file. It runs inside the transfer, so it only reads what it holds.
    using Source = std::function<std::size_t(char* buffer, std::size_t room)>;

    explicit FtpClient(NetEngine& engine);
    ~FtpClient();
    FtpClient(const FtpClient&) = delete;
    FtpClient& operator=(const FtpClient&) = delete;

    // Logs in to `server` (a host, optionally with ":port"). Passive or active data connections.
    void connect(const std::string& server, const std::string& user, const std::string& password,
                 bool passive, Done done);
    // Ends the call under way and the connection, at once and without waiting on the server.
    void close();
    bool connected() const;
    // A call is under way.
    bool busy() const;

    void setCurrentDirectory(const std::string& folder, Done done);
    // The folder the session is in, as the server named it; nothing when not connected.
    std::optional<std::string> currentDirectory();

    // The entries matching a wildcard filter ("*", "*.csv", "Lumo.csv"); nothing on failure,
    // an empty list (with code kNoMoreFiles) when nothing matched.
    void find(const std::string& filter, const Listed& done);

    // Streams one remote file into `sink`, to the end of its data whatever its listed size.
    void download(const std::string& remote, bool binary, Sink sink, Done done);
    // Streams `source` into one remote file.
    void upload(const std::string& remote, bool binary, Source source, Done done);

    void getFile(const std::string& remote, const std::string& local, bool binary, Done done);
    void putFile(const std::string& local, const std::string& remote, bool binary, Done done);
    void rename(const std::string& from, const std::string& to, Done done);
    void removeFile(const std::string& remote, Done done);
    void makeDirectory(const std::string& folder, Done done);
    void removeDirectory(const std::string& folder, Done done);

    int lastErrorCode() const;
    // The server's reply lines during the last failed call.
    std::string lastResponse() const;
    static std::string messageFor(int code);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace lumo
