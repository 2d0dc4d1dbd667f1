#include "update/Ftp.h"

#include "platform/AppFolder.h"
#include "platform/EventLoop.h"
#include "platform/MessageBoxes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace lumo {

namespace {

std::string trimmedSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

cFTP::cFTP(ProgramState& state, MessageBoxes& messages, std::function<void()> armReshowTimer)
    : m_state(state), m_messages(messages), m_armReshowTimer(std::move(armReshowTimer)) {}

bool cFTP::RecordFTPError(const std::string& name) {
    const int code = m_session.lastErrorCode();
    if (code == FtpSession::kServerRefused) {
        m_lastError = m_session.lastResponse();
    } else {
        m_lastError = name + " error code: " + std::to_string(code) +
                      " Message: " + FtpSession::messageFor(code);
    }
    return false;
}

void cFTP::progress(std::int32_t current, std::int32_t total) const {
    if (FileTransferProgress) {
        FileTransferProgress(current, total);
    }
}

cDirList& cFTP::Directory() {
    if (!m_dirList) {
        m_dirList.emplace();
    }
    return *m_dirList;
}

void cFTP::CloseConnection() {
    m_session.close();
}

bool cFTP::SimpleFTPPutFile(const std::string& sLocal, const std::string& sRemote) {
    return m_session.putFile(sLocal, sRemote, binary()) || RecordFTPError("SimpleFtpPutFile");
}

bool cFTP::RenameFTPFile(const std::string& sExisting, const std::string& sNewName) {
    return m_session.rename(sExisting, sNewName) || RecordFTPError("RenameFTPFile");
}

bool cFTP::CreateFTPDirectory(const std::string& sDirectory) {
    return m_session.makeDirectory(sDirectory) || RecordFTPError("CreateFTPDirectory");
}

bool cFTP::RemoveFTPDirectory(const std::string& sDirectory) {
    return m_session.removeDirectory(sDirectory) || RecordFTPError("RemoveFTPDirectory");
}

bool cFTP::DeleteFTPFile(const std::string& sRemote) {
    return m_session.removeFile(sRemote) || RecordFTPError("DeleteFTPFile");
}

bool cFTP::OpenConnection(const std::string& sServer, const std::string& sUser,
                          const std::string& sPassword) {
    if (m_session.connected()) {
        m_session.close();
    }
    if (m_session.connect(sServer, sUser, sPassword, m_connectFlags == kPassive)) {
        return true;
    }
    RecordFTPError("InternetConnect");
    m_state.updateStatus = "false";
    m_messages.show(
        "Could not Establish Connection to the Update Site, Check your Internet Access and Retry",
        MessageBoxes::Icon::None);
    if (m_armReshowTimer) {
        m_armReshowTimer();
    }
    return false;
}

bool cFTP::SetFTPDirectory(const std::string& sDir) {
    if (m_session.setCurrentDirectory(sDir)) {
        m_state.updateStatus = "True";
        return true;
    }
    RecordFTPError("FtpSetCurrentDirectory");
    m_state.updateStatus = "False";
    return false;
}

std::string cFTP::GetFTPDirectory() {
    if (const auto folder = m_session.currentDirectory()) {
        return *folder;
    }
    RecordFTPError("FtpGetCurrentDirectory");
    return {};
}

std::int32_t cFTP::GetFTPFileSize(const std::string& sFile) {
    const auto entries = m_session.find(sFile);
    if (!entries) {
        RecordFTPError("FtpFindFirstFile");
        return -2;
    }
    if (entries->empty()) {
        return -1;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(entries->front().size));
}

cDirList* cFTP::GetDirectoryListing(const std::string& sFilter) {
    m_dirList.reset();
    yieldToEventLoop();
    const auto entries = m_session.find(sFilter);
    if (!entries) {
        RecordFTPError("FtpFindFirstFile");
        return nullptr;
    }
    if (entries->empty()) {
        return nullptr;
    }
    for (const auto& entry : *entries) {
        Directory().Add(entry.directory ? cDirList::kDirectoryAttribute : 0x80, 0, 0, 0,
                        static_cast<std::int32_t>(entry.size), entry.name);
        yieldToEventLoop();
    }
    return &Directory();
}

bool cFTP::SimpleFTPGetFile(const std::string& sLocal, const std::string& sRemote) {
    return m_session.getFile(sRemote, sLocal, binary()) || RecordFTPError("SimpleFtpGetFile");
}

// The download goes to a temporary file beside the local one and replaces it only once every
// byte has arrived: a failed or cut-off transfer leaves the old file as it was, and the new
// file ends where the data ends.
bool cFTP::FTPDownloadFile(const std::string& sLocal, const std::string& sRemote) {
    const std::string local = trimmedSpaces(sLocal);
    const std::string remote = trimmedSpaces(sRemote);
    if (local.empty() || remote.empty()) {
        return false;
    }
    std::int32_t total = GetFTPFileSize(remote);
    if (total <= 0) {
        return false;
    }
    if (!m_session.openForReading(remote, binary())) {
        return RecordFTPError("FtpOpenFile:GetFile");
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(total));
    char block[kBlock];
    std::int32_t current = 0;
    auto readExactly = [&](std::int32_t size, const char* name) {
        std::size_t got = 0;
        if (!m_session.read(block, static_cast<std::size_t>(size), got) ||
            got != static_cast<std::size_t>(size)) {
            RecordFTPError(name); // a short read means the transfer was cut
            m_session.closeFile();
            return false;
        }
        bytes.append(block, got);
        return true;
    };
    for (std::int32_t i = 0; i < total / kBlock; ++i) {
        if (!readExactly(kBlock, "InternetReadFile")) {
            return false;
        }
        yieldToEventLoop();
        current += kBlock;
        progress(current, total);
    }
    const std::int32_t rest = total % kBlock;
    if (rest != 0 && !readExactly(rest, "InternetReadFile2")) {
        return false;
    }
    current += rest;
    total = current;
    progress(current, total);
    m_session.closeFile();
    return replaceFileAtomically(local, bytes);
}

bool cFTP::FTPUploadFile(const std::string& sLocal, const std::string& sRemote) {
    const std::string local = trimmedSpaces(sLocal);
    const std::string remote = trimmedSpaces(sRemote);
    if (local.empty() || remote.empty()) {
        return false;
    }
    if (!m_session.openForWriting(remote, binary())) {
        return RecordFTPError("FtpOpenFile:PutFile");
    }
    const auto bytes = readWholeFile(local);
    if (!bytes) {
        m_session.closeFile();
        throw std::runtime_error("cannot read " + local);
    }
    const auto length = static_cast<std::int32_t>(bytes->size());
    std::int32_t current = 0;
    for (std::int32_t i = 0; i < length / kBlock; ++i) {
        if (!m_session.write(bytes->data() + current, kBlock)) {
            RecordFTPError("InternetWriteFile");
            m_session.closeFile();
            return false;
        }
        yieldToEventLoop();
        current += kBlock;
        progress(current, length);
    }
    const std::int32_t rest = length % kBlock;
    if (rest != 0 && !m_session.write(bytes->data() + current, static_cast<std::size_t>(rest))) {
        RecordFTPError("InternetWriteFile2");
        m_session.closeFile();
        return false;
    }
    current += rest;
    progress(current, current);
    return m_session.closeFile() || RecordFTPError("InternetWriteFile2");
}

} // namespace lumo
