// The station list update: the update-stations button fetches "Lumo.csv" from the update
// site over FTP and replaces the station list with it.
#include "app/PlayerWindow.h"
#include "app/UpdateProgressWindow.h"
#include "catalogue/FieldReader.h"
#include "catalogue/StationRecord.h"
#include "platform/EventLoop.h"
#include "platform/MessageBoxes.h"
#include "update/Ftp.h"

#include <QApplication>
#include <filesystem>

namespace lumo {

namespace {

// A downloaded list is only installed when it holds at least one whole record.
bool holdsAStation(const std::filesystem::path& file) {
    const auto bytes = readWholeFile(file);
    if (!bytes) {
        return false;
    }
    FieldReader reader(*bytes);
    return readStationRecord(reader).has_value();
}

} // namespace

// The update-stations button (the chooser's too). While it runs, a small window in the player
// window's place shows the transfer's progress and lets the user call the update off: the old
// list stays, the usual windows come back, and nothing more is said.
void PlayerWindow::updateStationList() {
    if (m_updateProgress) {
        return; // one update at a time: the window's events run while it waits
    }
    const QRect place = geometry();
    hide();
    UpdateProgressWindow progress(place);
    bool cancelled = false;
    connect(&progress, &UpdateProgressWindow::cancelRequested, &progress,
            [&cancelled] { cancelled = true; });
    m_updateProgress = &progress;
    progress.show();
    yieldToEventLoop();
    if (mftp) {
        mftp->SetCancelCheck([&cancelled] { return cancelled; });
        auto listener = mftp->FileTransferProgress;
        mftp->FileTransferProgress = [&progress, listener](std::int32_t current,
                                                           std::int32_t total) {
            progress.showProgress(current, total);
            if (listener) {
                listener(current, total);
            }
        };
        ConnectUpdateSite();
        yieldToEventLoop();
        if (m_state.updateStatus == "True" && !cancelled) {
            DownloadStationList();
        }
        if (cancelled) {
            EndUpdateSession();
        }
        mftp->SetCancelCheck({});
        mftp->FileTransferProgress = listener;
    }
    m_updateProgress = nullptr;
    progress.hide();
    getMOD();
    show();
}

void PlayerWindow::ConnectUpdateSite() {
    if (!mftp->OpenConnection(m_updateSite.host, m_updateSite.user, m_updateSite.password)) {
        return;
    }
    mftp->SetFTPDirectory(kUpdateSiteFolder);
    if (m_state.updateStatus == "True" || mftp->Cancelled()) {
        return;
    }
    EndUpdateSession();
    hide();
    m_services.messages.show(" Failed to Connect Update Website", MessageBoxes::Icon::Stop);
    yieldToEventLoop();
    show();
}

// The list is fetched beside the station list and takes its place only when it arrived whole
// and holds stations: a failed, cut-off or empty download leaves the old list byte for byte.
void PlayerWindow::DownloadStationList() {
    const std::filesystem::path list = m_folder.resolve("\\Lumo.csv");
    const std::filesystem::path fetched = list.parent_path() / ".Lumo.csv.download";
    bool ok = mftp->FTPDownloadFile(fetched.string(), "Lumo.csv") && holdsAStation(fetched);
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(fetched, list, ec);
        ok = !ec;
    }
    std::filesystem::remove(fetched, ec);
    EndUpdateSession();
    if (mftp->Cancelled()) {
        return;
    }
    hide();
    if (ok) {
        m_services.messages.show("Station Update Complete", MessageBoxes::Icon::None);
    } else {
        m_services.messages.show("Station Update Not Found, Try again later",
                                 MessageBoxes::Icon::Stop);
    }
    yieldToEventLoop();
    show();
}

void PlayerWindow::EndUpdateSession() {
    if (m_updateProgress) {
        m_updateProgress->hide(); // the outcome takes its place
    }
    setCursor(Qt::WaitCursor);
    mftp->CloseConnection();
    unsetCursor();
    show();
}

} // namespace lumo
