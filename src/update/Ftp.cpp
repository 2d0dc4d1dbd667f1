#include "update/Ftp.h"

#include "platform/AppFolder.h"
#include "platform/EventLoop.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
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

void cFTP::SetCancelCheck(std::function<bool()> cancelled) {
    m_cancelled = cancelled;
    m_session.setCancelCheck(std::move(cancelled));
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
    if (Cancelled()) {
        return false;
    }
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

std::int64_t cFTP::GetFTPFileSize(const std::string& sFile) {
    const auto entries = m_session.find(sFile);
    if (!entries) {
        RecordFTPError("FtpFindFirstFile");
        return -2;
    }
    if (entries->empty()) {
        return -1;
    }
    return entries->front().size;
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
                        static_cast<std::int32_t>(std::min<std::int64_t>(entry.size, INT32_MAX)),
                        entry.name);
        yieldToEventLoop();
    }
    return &Directory();
}

bool cFTP::SimpleFTPGetFile(const std::string& sLocal, const std::string& sRemote) {
    return m_session.getFile(sRemote, sLocal, binary()) || RecordFTPError("SimpleFtpGetFile");
}

// The download goes to a temporary file beside the local one and replaces it only once the
// server has ended the transfer well: a failed or cut-off transfer leaves the old file as it
// was. The listed size is only a guide for the progress figures: a listing gives a symbolic
// link's own length, and a file may change between listing and transfer, so the data is read
// to its end, whatever its length, up to kMaxDownloadBytes.
bool cFTP::FTPDownloadFile(const std::string& sLocal, const std::string& sRemote) {
    const std::string local = trimmedSpaces(sLocal);
    const std::string remote = trimmedSpaces(sRemote);
    if (local.empty() || remote.empty()) {
        return false;
    }
    const std::int64_t listed = GetFTPFileSize(remote);
    if (listed <= 0) {
        return false; // no such file, or nothing in it
    }
    if (!m_session.openForReading(remote, binary())) {
        return RecordFTPError("FtpOpenFile:GetFile");
    }
    FileReplacement file(local);
    PacedYield yield;
    char block[kBlock];
    std::int64_t current = 0;
    auto stop = [this](const char* name) {
        RecordFTPError(name);
        m_session.closeFile();
        return false;
    };
    while (true) {
        std::size_t got = 0;
        if (!m_session.read(block, kBlock, got)) {
            return stop("InternetReadFile");
        }
        current += static_cast<std::int64_t>(got);
        if (current > kMaxDownloadBytes) {
            return stop("InternetReadFile");
        }
        if (!file.append(std::string_view(block, got))) {
            m_session.closeFile();
            return false;
        }
        if (got < static_cast<std::size_t>(kBlock)) {
            break; // the server ended the transfer
        }
        yield();
        if (Cancelled()) {
            m_session.closeFile();
            return false;
        }
        // The figures stay within the events' 32 bits (a download is far smaller anyway).
        progress(static_cast<std::int32_t>(current),
                 static_cast<std::int32_t>(
                     std::min<std::int64_t>(std::max<std::int64_t>(current, listed), INT32_MAX)));
    }
    const auto received = static_cast<std::int32_t>(current);
    progress(received, received);
    if (!m_session.closeFile()) {
        return RecordFTPError("InternetReadFile2");
    }
    return received > 0 && file.commit();
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
