#include "update/Ftp.h"

#include "net/NetEngine.h"
#include "platform/AppFolder.h"
#include "platform/MessageBoxes.h"
#include "platform/Trim.h"

#include <QPointer>

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

namespace lumo {

namespace {

std::int32_t figure(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, INT32_MAX));
}

} // namespace

// One block-wise transfer: what has moved so far, and the file on this side.
struct cFTP::BlockTransfer {
    static std::unique_ptr<BlockTransfer> download(const std::string& local) {
        auto transfer = std::make_unique<BlockTransfer>();
        transfer->file.emplace(local);
        return transfer;
    }
    static std::unique_ptr<BlockTransfer> upload(std::string bytes) {
        auto transfer = std::make_unique<BlockTransfer>();
        transfer->bytes = std::move(bytes);
        return transfer;
    }

    // A download's file: it replaces the local file only once it arrived whole.
    std::optional<FileReplacement> file;
    std::string bytes; // an upload: the local file's content
    std::int64_t current = 0;
    std::int64_t total = 0;
    bool refused = false; // a download past the cap, or a local file that cannot be written
};

// An operation's handle. Dropped before its result, it closes the connection: the server's
// side of what was under way is unknown, and the next operation starts from a new session.
class cFTP::Call final : public Pending {
public:
    explicit Call(cFTP& ftp) : m_ftp(&ftp) {}
    ~Call() override {
        if (!*m_finished && m_ftp) {
            m_ftp->CloseConnection();
        }
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

    std::weak_ptr<bool> finished() const { return m_finished; }

private:
    QPointer<cFTP> m_ftp;
    std::shared_ptr<bool> m_finished = std::make_shared<bool>(false);
};

template <typename Result> PendingPtr cFTP::begin(std::function<void(Result)>& done) {
    auto call = std::make_unique<Call>(*this);
    done = [finished = call->finished(), done = std::move(done)](Result result) {
        const auto flag = finished.lock();
        if (!flag || *flag) {
            return; // the handle is gone: nobody waits for this
        }
        *flag = true;
        done(std::move(result)); // may drop the handle: nothing of it is touched after
    };
    return call;
}

cFTP::cFTP(ProgramState& state, MessageBoxes& messages, NetEngine& engine,
           std::function<void()> armReshowTimer)
    : m_state(state), m_messages(messages), m_armReshowTimer(std::move(armReshowTimer)),
      m_client(engine) {}

cFTP::~cFTP() = default;

bool cFTP::RecordFTPError(const std::string& name) {
    const int code = m_client.lastErrorCode();
    if (code == FtpClient::kServerRefused) {
        m_lastError = m_client.lastResponse();
    } else {
        m_lastError = name + " error code: " + std::to_string(code) +
                      " Message: " + FtpClient::messageFor(code);
    }
    return false;
}

void cFTP::progress(std::int32_t current, std::int32_t total) {
    emit FileTransferProgress(current, total);
}

// Called inside the transfer: the events wait in a list and go out together, as an event.
void cFTP::queueProgress(std::int64_t current, std::int64_t total) {
    m_progress.emplace_back(figure(current), figure(std::max(current, total)));
    if (!m_flushQueued) {
        m_flushQueued = true;
        m_deferred.post([this] { flushProgress(); });
    }
}

// One event for each whole block the transfer has passed.
void cFTP::moved(BlockTransfer& transfer, std::size_t bytes) {
    const std::int64_t before = transfer.current;
    transfer.current += static_cast<std::int64_t>(bytes);
    for (std::int64_t block = (before / kBlock + 1) * kBlock; block <= transfer.current;
         block += kBlock) {
        queueProgress(block, transfer.total);
    }
}

void cFTP::flushProgress() {
    m_flushQueued = false;
    const auto events = std::exchange(m_progress, {});
    for (const auto& [current, total] : events) {
        progress(current, total);
    }
}

cDirList& cFTP::Directory() {
    if (!m_dirList) {
        m_dirList.emplace();
    }
    return *m_dirList;
}

void cFTP::CloseConnection() {
    m_deferred.cancel();
    m_flushQueued = false;
    m_client.close();
    m_transfer.reset();
    m_progress.clear();
}

PendingPtr cFTP::SimpleFTPPutFile(const std::string& sLocal, const std::string& sRemote,
                                  Done done) {
    PendingPtr call = begin(done);
    m_client.putFile(sLocal, sRemote, binary(),
                     [this, done](bool ok) { done(ok || RecordFTPError("SimpleFtpPutFile")); });
    return call;
}

PendingPtr cFTP::RenameFTPFile(const std::string& sExisting, const std::string& sNewName,
                               Done done) {
    PendingPtr call = begin(done);
    m_client.rename(sExisting, sNewName,
                    [this, done](bool ok) { done(ok || RecordFTPError("RenameFTPFile")); });
    return call;
}

PendingPtr cFTP::CreateFTPDirectory(const std::string& sDirectory, Done done) {
    PendingPtr call = begin(done);
    m_client.makeDirectory(
        sDirectory, [this, done](bool ok) { done(ok || RecordFTPError("CreateFTPDirectory")); });
    return call;
}

PendingPtr cFTP::RemoveFTPDirectory(const std::string& sDirectory, Done done) {
    PendingPtr call = begin(done);
    m_client.removeDirectory(
        sDirectory, [this, done](bool ok) { done(ok || RecordFTPError("RemoveFTPDirectory")); });
    return call;
}

PendingPtr cFTP::DeleteFTPFile(const std::string& sRemote, Done done) {
    PendingPtr call = begin(done);
    m_client.removeFile(sRemote,
                        [this, done](bool ok) { done(ok || RecordFTPError("DeleteFTPFile")); });
    return call;
}

PendingPtr cFTP::OpenConnection(const std::string& sServer, const std::string& sUser,
                                const std::string& sPassword, Done done) {
    if (m_client.connected()) {
        CloseConnection();
    }
    PendingPtr call = begin(done);
    m_client.connect(sServer, sUser, sPassword, m_connectFlags == kPassive, [this, done](bool ok) {
        if (ok) {
            done(true);
            return;
        }
        RecordFTPError("InternetConnect");
        m_state.updateStatus = "false";
        m_messages.show(QT_TRANSLATE_NOOP("lumo::Messages",
                                          "Could not Establish Connection to the Update Site, "
                                          "Check your Internet Access and Retry"),
                        MessageBoxes::Icon::None, [this, done] {
                            if (m_armReshowTimer) {
                                m_armReshowTimer();
                            }
                            done(false);
                        });
    });
    return call;
}

PendingPtr cFTP::SetFTPDirectory(const std::string& sDir, Done done) {
    PendingPtr call = begin(done);
    m_client.setCurrentDirectory(sDir, [this, done](bool ok) {
        if (ok) {
            m_state.updateStatus = "True";
        } else {
            RecordFTPError("FtpSetCurrentDirectory");
            m_state.updateStatus = "False";
        }
        done(ok);
    });
    return call;
}

std::string cFTP::GetFTPDirectory() {
    if (const auto folder = m_client.currentDirectory()) {
        return *folder;
    }
    RecordFTPError("FtpGetCurrentDirectory");
    return {};
}

PendingPtr cFTP::GetFTPFileSize(const std::string& sFile, std::function<void(std::int64_t)> done) {
    PendingPtr call = begin(done);
    fileSize(sFile, std::move(done));
    return call;
}

void cFTP::fileSize(const std::string& sFile, std::function<void(std::int64_t)> done) {
    m_client.find(sFile, [this, done = std::move(done)](
                             std::optional<std::vector<FtpClient::Entry>> entries) {
        if (!entries) {
            RecordFTPError("FtpFindFirstFile");
            done(-2);
        } else if (entries->empty()) {
            done(-1);
        } else {
            done(entries->front().size);
        }
    });
}

PendingPtr cFTP::GetDirectoryListing(const std::string& sFilter,
                                     std::function<void(cDirList*)> done) {
    PendingPtr call = begin(done);
    m_dirList.reset();
    m_client.find(sFilter, [this, done](std::optional<std::vector<FtpClient::Entry>> entries) {
        if (!entries) {
            RecordFTPError("FtpFindFirstFile");
            done(nullptr);
            return;
        }
        if (entries->empty()) {
            done(nullptr);
            return;
        }
        try {
            for (const auto& entry : *entries) {
                Directory().Add(entry.directory ? cDirList::kDirectoryAttribute : 0x80, 0, 0, 0,
                                figure(entry.size), entry.name);
            }
        } catch (const std::invalid_argument& twice) {
            // The entries read so far stay readable through Directory().
            m_lastError = twice.what();
            done(nullptr);
            return;
        }
        done(&Directory());
    });
    return call;
}

PendingPtr cFTP::SimpleFTPGetFile(const std::string& sLocal, const std::string& sRemote,
                                  Done done) {
    PendingPtr call = begin(done);
    m_client.getFile(sRemote, sLocal, binary(),
                     [this, done](bool ok) { done(ok || RecordFTPError("SimpleFtpGetFile")); });
    return call;
}

// The download goes to a temporary file beside the local one and replaces it only once the
// server has ended the transfer well: a failed or cut-off transfer leaves the old file as it
// was. The listed size is only a guide for the progress figures: a listing gives a symbolic
// link's own length, and a file may change between listing and transfer, so the data is read
// to its end, whatever its length, up to kMaxDownloadBytes.
PendingPtr cFTP::FTPDownloadFile(const std::string& sLocal, const std::string& sRemote, Done done) {
    PendingPtr call = begin(done);
    const std::string local = std::string(trimmed(sLocal, " "));
    const std::string remote = std::string(trimmed(sRemote, " "));
    if (local.empty() || remote.empty()) {
        m_deferred.post([done] { done(false); });
        return call;
    }
    fileSize(remote, [this, local, remote, done](std::int64_t listed) {
        if (listed <= 0) {
            done(false); // no such file, or nothing in it
            return;
        }
        m_transfer = BlockTransfer::download(local);
        m_transfer->total = listed;
        auto sink = [this](std::string_view piece) {
            BlockTransfer& t = *m_transfer;
            if (t.current + static_cast<std::int64_t>(piece.size()) > kMaxDownloadBytes ||
                !t.file->append(piece)) {
                t.current += static_cast<std::int64_t>(piece.size());
                t.refused = true;
                return false;
            }
            moved(t, piece.size());
            return true;
        };
        m_client.download(remote, binary(), sink, [this, done](bool ok) {
            flushProgress();
            const auto transfer = std::move(m_transfer);
            if (!ok) {
                if (!transfer->refused || transfer->current > kMaxDownloadBytes) {
                    RecordFTPError(transfer->current == 0 ? "FtpOpenFile:GetFile"
                                                          : "InternetReadFile");
                }
                done(false);
                return;
            }
            progress(figure(transfer->current), figure(transfer->current));
            done(transfer->current > 0 && transfer->file->commit());
        });
    });
    return call;
}

PendingPtr cFTP::FTPUploadFile(const std::string& sLocal, const std::string& sRemote, Done done) {
    const std::string local = std::string(trimmed(sLocal, " "));
    const std::string remote = std::string(trimmed(sRemote, " "));
    std::optional<std::string> bytes;
    if (!local.empty() && !remote.empty()) {
        bytes = readWholeFile(local);
        if (!bytes) {
            throw std::runtime_error("cannot read " + local); // the session stays as it was
        }
    }
    PendingPtr call = begin(done);
    if (!bytes) {
        m_deferred.post([done] { done(false); });
        return call;
    }
    m_transfer = BlockTransfer::upload(std::move(*bytes));
    m_transfer->total = static_cast<std::int64_t>(m_transfer->bytes.size());
    auto source = [this](char* buffer, std::size_t room) {
        BlockTransfer& t = *m_transfer;
        const std::size_t given =
            std::min(room, t.bytes.size() - static_cast<std::size_t>(t.current));
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result): bytes, not a string
        std::memcpy(buffer, t.bytes.data() + t.current, given);
        moved(t, given);
        return given;
    };
    m_client.upload(remote, binary(), source, [this, done](bool ok) {
        flushProgress();
        const auto transfer = std::move(m_transfer);
        if (!ok) {
            done(RecordFTPError(transfer->current == 0 ? "FtpOpenFile:PutFile"
                                                       : "InternetWriteFile"));
            return;
        }
        progress(figure(transfer->current), figure(transfer->current));
        done(true);
    });
    return call;
}

} // namespace lumo
