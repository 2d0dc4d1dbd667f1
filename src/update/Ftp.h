#pragma once

#include "platform/FtpSession.h"
#include "state/ProgramState.h"
#include "update/DirList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lumo {

class MessageBoxes;

// The program's FTP client: one session with at most one connection, whole-file and 255-byte
// block transfers with progress events, remote file and folder operations and listings.
// Failures are reported through results; the text of the last one is kept.
class cFTP {
public:
    static constexpr std::int32_t kBlock = 255;
    static constexpr std::int32_t kTransferAscii = 1;
    static constexpr std::int32_t kTransferBinary = 2;
    static constexpr std::int32_t kPassive = 0x08000000;
    // A download that grows past this is refused: no station list is anywhere near it.
    static constexpr std::int64_t kMaxDownloadBytes = 64 * 1024 * 1024;

    // `armReshowTimer` starts the player window's re-show timer after a failed connection.
    cFTP(ProgramState& state, MessageBoxes& messages, std::function<void()> armReshowTimer);

    cDirList& Directory();
    std::string GetLastErrorMessage() const { return m_lastError; }
    void CloseConnection();
    bool SimpleFTPPutFile(const std::string& sLocal, const std::string& sRemote);
    bool RenameFTPFile(const std::string& sExisting, const std::string& sNewName);
    bool CreateFTPDirectory(const std::string& sDirectory);
    bool RemoveFTPDirectory(const std::string& sDirectory);
    bool DeleteFTPFile(const std::string& sRemote);
    bool OpenConnection(const std::string& sServer, const std::string& sUser,
                        const std::string& sPassword);
    // Throws std::runtime_error when the local file cannot be read.
    bool FTPUploadFile(const std::string& sLocal, const std::string& sRemote);
    bool FTPDownloadFile(const std::string& sLocal, const std::string& sRemote);
    bool SimpleFTPGetFile(const std::string& sLocal, const std::string& sRemote);
    std::string GetFTPDirectory();
    bool SetFTPDirectory(const std::string& sDir);
    // The remote file's size (64 bits: files of 2 GiB and more exist); -1 when there is no
    // such file, -2 on failure.
    std::int64_t GetFTPFileSize(const std::string& sFile);
    // The entries matching the filter, or nothing (also when nothing matched).
    cDirList* GetDirectoryListing(const std::string& sFilter);
    void SetTransferASCII() { m_transferType = kTransferAscii; }
    void SetTransferBinary() { m_transferType = kTransferBinary; }
    void SetModeActive() { m_connectFlags = 0; }
    void SetModePassive() { m_connectFlags = kPassive; }

    // Lets the user call off the session's calls while they wait (empty: never). A call
    // called off fails quietly: no message box, no re-show.
    void SetCancelCheck(std::function<bool()> cancelled);
    bool Cancelled() const { return m_cancelled && m_cancelled(); }

    // FileTransferProgress (lCurrentBytes, lTotalBytes), once per block and once at the end.
    std::function<void(std::int32_t, std::int32_t)> FileTransferProgress;

private:
    bool RecordFTPError(const std::string& name);
    bool binary() const { return m_transferType == kTransferBinary; }
    void progress(std::int32_t current, std::int32_t total) const;

    ProgramState& m_state;
    MessageBoxes& m_messages;
    std::function<void()> m_armReshowTimer;
    FtpSession m_session;
    std::int32_t m_transferType = kTransferBinary;
    std::int32_t m_connectFlags = 0;
    std::string m_lastError;
    std::optional<cDirList> m_dirList;
    std::function<bool()> m_cancelled;
};

} // namespace lumo
