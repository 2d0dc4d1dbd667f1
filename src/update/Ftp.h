#pragma once

#include "platform/Pending.h"

#include "net/FtpClient.h"
#include "state/ProgramState.h"
#include "update/DirList.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumo {

class MessageBoxes;
class NetEngine;

// The program's FTP client: one session with at most one connection, whole-file and 255-byte
// block transfers with progress events, remote file and folder operations and listings.
// Operations that reach the server end later, as events: each calls its `done` with its result
// (what the described operation returns), and returns its handle; dropping the handle before
// the result closes the connection, and `done` never comes. One runs at a time. Failures are
// reported through results; the text of the last one is kept.
class cFTP : public QObject {
    Q_OBJECT
public:
    static constexpr std::int32_t kBlock = 255;
    static constexpr std::int32_t kTransferAscii = 1;
    static constexpr std::int32_t kTransferBinary = 2;
    static constexpr std::int32_t kPassive = 0x08000000;
    // A download that grows past this is refused: no station list is anywhere near it.
    static constexpr std::int64_t kMaxDownloadBytes = 64 * 1024 * 1024;

    using Done = std::function<void(bool)>;

    // `armReshowTimer` starts the player window's re-show timer after a failed connection.
    cFTP(ProgramState& state, MessageBoxes& messages, NetEngine& engine,
         std::function<void()> armReshowTimer);
    ~cFTP() override;
    cFTP(const cFTP&) = delete;
    cFTP& operator=(const cFTP&) = delete;

    cDirList& Directory();
    std::string GetLastErrorMessage() const { return m_lastError; }
    // Closes the connection; an operation under way ends with it, and its `done` never comes.
    void CloseConnection();
    [[nodiscard]] PendingPtr SimpleFTPPutFile(const std::string& sLocal, const std::string& sRemote,
                                              Done done);
    [[nodiscard]] PendingPtr RenameFTPFile(const std::string& sExisting,
                                           const std::string& sNewName, Done done);
    [[nodiscard]] PendingPtr CreateFTPDirectory(const std::string& sDirectory, Done done);
    [[nodiscard]] PendingPtr RemoveFTPDirectory(const std::string& sDirectory, Done done);
    [[nodiscard]] PendingPtr DeleteFTPFile(const std::string& sRemote, Done done);
    // A failed connection says so in a message box, and `done` comes once it is closed.
    [[nodiscard]] PendingPtr OpenConnection(const std::string& sServer, const std::string& sUser,
                                            const std::string& sPassword, Done done);
    // Throws std::runtime_error, before anything is sent, when the local file cannot be read.
    [[nodiscard]] PendingPtr FTPUploadFile(const std::string& sLocal, const std::string& sRemote,
                                           Done done);
    [[nodiscard]] PendingPtr FTPDownloadFile(const std::string& sLocal, const std::string& sRemote,
                                             Done done);
    [[nodiscard]] PendingPtr SimpleFTPGetFile(const std::string& sLocal, const std::string& sRemote,
                                              Done done);
    // The session's current folder, as the server named it on entering (no call to make).
    std::string GetFTPDirectory();
    [[nodiscard]] PendingPtr SetFTPDirectory(const std::string& sDir, Done done);
    // The remote file's size (64 bits: files of 2 GiB and more exist); -1 when there is no
    // such file, -2 on failure.
    [[nodiscard]] PendingPtr GetFTPFileSize(const std::string& sFile,
                                            std::function<void(std::int64_t)> done);
    // The entries matching the filter, or nothing (also when nothing matched, and when the
    // listing names one entry twice: no caller waits to be told otherwise).
    [[nodiscard]] PendingPtr GetDirectoryListing(const std::string& sFilter,
                                                 std::function<void(cDirList*)> done);
    void SetTransferASCII() { m_transferType = kTransferAscii; }
    void SetTransferBinary() { m_transferType = kTransferBinary; }
    void SetModeActive() { m_connectFlags = 0; }
    void SetModePassive() { m_connectFlags = kPassive; }
    // An operation is under way.
    bool busy() const { return m_client.busy() || m_transfer != nullptr; }

signals:
    // (lCurrentBytes, lTotalBytes), once per block and once at the end, each as an event.
    void FileTransferProgress(std::int32_t current, std::int32_t total);

private:
    struct BlockTransfer;
    class Call;

    // The handle of an operation starting now; `done` is made to mark it finished (and to say
    // nothing once the handle is gone).
    template <typename Result> PendingPtr begin(std::function<void(Result)>& done);
    void fileSize(const std::string& sFile, std::function<void(std::int64_t)> done);

    bool RecordFTPError(const std::string& name);
    bool binary() const { return m_transferType == kTransferBinary; }
    // Block events gathered inside the transfer go out as an event.
    void queueProgress(std::int64_t current, std::int64_t total);
    void moved(BlockTransfer& transfer, std::size_t bytes);
    void flushProgress();
    void progress(std::int32_t current, std::int32_t total);

    ProgramState& m_state;
    MessageBoxes& m_messages;
    std::function<void()> m_armReshowTimer;
    FtpClient m_client;
    std::int32_t m_transferType = kTransferBinary;
    std::int32_t m_connectFlags = 0;
    std::string m_lastError;
    std::optional<cDirList> m_dirList;
    std::unique_ptr<BlockTransfer> m_transfer; // the block-wise transfer under way
    std::vector<std::pair<std::int32_t, std::int32_t>> m_progress; // not yet raised
    bool m_flushQueued = false;
    DeferredCalls m_deferred; // results and progress events; CloseConnection drops them
};

} // namespace lumo
