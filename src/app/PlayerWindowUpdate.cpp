// The station list update: the update-stations button fetches "Lumo.csv" from the update
// site over FTP and replaces the station list with it.
#include "app/PlayerWindow.h"
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

// The update-stations button (the chooser's too).
void PlayerWindow::updateStationList() {
    hide();
    yieldToEventLoop();
    if (mftp) {
        ConnectUpdateSite();
        yieldToEventLoop();
        if (m_state.updateStatus == "True") {
            DownloadStationList();
        }
    }
    getMOD();
    show();
}

void PlayerWindow::ConnectUpdateSite() {
    if (!mftp->OpenConnection(m_updateSite.host, m_updateSite.user, m_updateSite.password)) {
        return;
    }
    mftp->SetFTPDirectory(kUpdateSiteFolder);
    if (m_state.updateStatus == "True") {
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
    setCursor(Qt::WaitCursor);
    mftp->CloseConnection();
    unsetCursor();
    show();
}

} // namespace lumo
