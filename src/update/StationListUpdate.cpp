#include "update/StationListUpdate.h"

#include "catalogue/FieldReader.h"
#include "catalogue/StationRecord.h"
#include "platform/MessageBoxes.h"
#include "update/DirectoryUpdate.h"
#include "update/Ftp.h"
#include "update/UpdateHost.h"

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

StationListUpdate::StationListUpdate(ProgramState& state, const AppFolder& folder, cFTP& ftp,
                                     UpdateHost& host, NetEngine& engine,
                                     const DirectorySettings& directory)
    : m_state(state), m_folder(folder), m_ftp(ftp), m_host(host),
      m_directory(
          std::make_unique<DirectoryUpdate>(engine, folder.resolve("\\Lumo.csv"), directory)) {}

StationListUpdate::~StationListUpdate() = default;

void StationListUpdate::setDirectory(const DirectorySettings& settings) {
    m_directory->setSettings(settings);
}

void StationListUpdate::start(const UpdateSiteAccount& site, std::function<void()> finished) {
    if (m_running) {
        return;
    }
    m_running = true;
    m_finished = std::move(finished);
    m_progress = QObject::connect(&m_ftp, &cFTP::FileTransferProgress,
                                  [this](std::int32_t current, std::int32_t total) {
                                      m_host.updateProgressFigures(current, total);
                                  });
    m_host.hidePlayerWindow();
    m_host.showUpdateProgress();
    if (site.host.empty()) {
        fromDirectory();
        return;
    }
    ConnectUpdateSite(site, [this] {
        if (m_state.updateStatus == "True") {
            DownloadStationList([this] { end(); });
        } else {
            end();
        }
    });
}

void StationListUpdate::cancel() {
    if (!m_running) {
        return;
    }
    m_directory->cancel();
    EndUpdateSession(); // what was under way ends with the connection, and says nothing
    end();
}

void StationListUpdate::abandon() {
    if (!m_running) {
        return;
    }
    m_running = false;
    m_finished = {};
    m_directory->cancel();
    m_ftp.CloseConnection();
    QObject::disconnect(m_progress);
    m_host.hideUpdateProgress();
}

void StationListUpdate::end() {
    if (!m_running) {
        return; // cancelled while a message box was up
    }
    QObject::disconnect(m_progress);
    m_host.hideUpdateProgress();
    m_host.refreshStationListDate();
    m_host.showPlayerWindow();
    m_running = false;
    if (auto finished = std::exchange(m_finished, {})) {
        finished();
    }
}

void StationListUpdate::ConnectUpdateSite(const UpdateSiteAccount& site,
                                          std::function<void()> next) {
    m_ftp.OpenConnection(site.host, site.user, site.password,
                         [this, next = std::move(next)](bool connected) {
                             if (!connected) {
                                 next(); // the session has said so and armed the re-show timer
                                 return;
                             }
                             m_ftp.SetFTPDirectory(kUpdateSiteFolder, [this, next](bool) {
                                 if (m_state.updateStatus == "True") {
                                     next(); // the connection stays open for the download
                                     return;
                                 }
                                 EndUpdateSession();
                                 report(" Failed to Connect Update Website", true, next);
                             });
                         });
}

// The list is fetched beside the station list and takes its place only when it arrived whole
// and holds stations: a failed, cut-off or empty download leaves the old list byte for byte.
void StationListUpdate::DownloadStationList(std::function<void()> next) {
    const std::filesystem::path list = m_folder.resolve("\\Lumo.csv");
    const std::filesystem::path fetched = list.parent_path() / ".Lumo.csv.download";
    m_ftp.FTPDownloadFile(fetched.string(), "Lumo.csv",
                          [this, list, fetched, next = std::move(next)](bool ok) {
                              ok = ok && holdsAStation(fetched);
                              std::error_code ec;
                              if (ok) {
                                  std::filesystem::rename(fetched, list, ec);
                                  ok = !ec;
                              }
                              std::filesystem::remove(fetched, ec);
                              EndUpdateSession();
                              if (ok) {
                                  report("Station Update Complete", false, next);
                              } else {
                                  report("Station Update Not Found, Try again later", true, next);
                              }
                          });
}

void StationListUpdate::fromDirectory() {
    m_directory->start([this](DirectoryUpdate::Outcome outcome) {
        EndUpdateSession();
        const auto next = [this] { end(); };
        switch (outcome) {
        case DirectoryUpdate::Outcome::Complete:
            report("Station Update Complete", false, next);
            break;
        case DirectoryUpdate::Outcome::NoServer:
            report(" Failed to Connect Update Website", true, next);
            break;
        case DirectoryUpdate::Outcome::NoList:
            report("Station Update Not Found, Try again later", true, next);
            break;
        }
    });
}

void StationListUpdate::EndUpdateSession() {
    m_host.hideUpdateProgress(); // the outcome takes its place
    m_host.setBusyCursor(true);
    m_ftp.CloseConnection();
    m_host.setBusyCursor(false);
    m_host.showPlayerWindow();
}

void StationListUpdate::report(const char* text, bool failure, std::function<void()> next) {
    m_host.hidePlayerWindow();
    m_host.messages().show(text, failure ? MessageBoxes::Icon::Stop : MessageBoxes::Icon::None,
                           [this, next = std::move(next)] {
                               m_host.showPlayerWindow();
                               next();
                           });
}

} // namespace lumo
