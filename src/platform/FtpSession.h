#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// The internet library's FTP functions, over libcurl: one control connection kept across
// calls, the current folder, listings, whole-file and block-wise transfers, and the error code
// and server response of the last failure. Every call is bounded by time-outs.
class FtpSession {
public:
    // Error codes, as the FTP session class knows them.
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

    FtpSession();
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // Logs in to `server` (a host, optionally with ":port"). Passive or active data connections.
    bool connect(const std::string& server, const std::string& user, const std::string& password,
                 bool passive);
    void close();
    bool connected() const;

    bool setCurrentDirectory(const std::string& folder);
    std::optional<std::string> currentDirectory();

    // The entries matching a wildcard filter ("*", "*.csv", "Lumo.csv"); nothing on failure,
    // an empty list (with code kNoMoreFiles) when nothing matched.
    std::optional<std::vector<Entry>> find(const std::string& filter);

    // Block-wise transfers of one remote file at a time.
    bool openForReading(const std::string& remote, bool binary);
    bool openForWriting(const std::string& remote, bool binary);
    // Reads up to `size` bytes; fewer only at the end of the file. False on failure.
    bool read(char* buffer, std::size_t size, std::size_t& got);
    bool write(const char* data, std::size_t size);
    // Ends the open transfer; for an upload this completes the remote file.
    bool closeFile();

    bool getFile(const std::string& remote, const std::string& local, bool binary);
    bool putFile(const std::string& local, const std::string& remote, bool binary);
    bool rename(const std::string& from, const std::string& to);
    bool removeFile(const std::string& remote);
    bool makeDirectory(const std::string& folder);
    bool removeDirectory(const std::string& folder);

    // While a call waits on the network, pending window events run; when `cancelled` then
    // holds, the call ends at once as failed (kOperationCancelled). Empty: never cancelled.
    void setCancelCheck(std::function<bool()> cancelled);

    int lastErrorCode() const;
    // The server's reply lines during the last call.
    std::string lastResponse() const;
    static std::string messageFor(int code);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace lumo
