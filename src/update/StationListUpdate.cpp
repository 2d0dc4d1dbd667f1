#include "update/StationListUpdate.h"

#include "catalogue/FieldReader.h"
#include "catalogue/StationInfo.h"
#include "catalogue/StationRecord.h"
#include "platform/MessageBoxes.h"
#include "update/DirectoryUpdate.h"
#include "update/Ftp.h"
#include "update/UpdateHost.h"

#include <QLocale>
#include <QScopeGuard>
#include <filesystem>
#include <limits>

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
    m_task = site.host.empty() ? fromDirectory() : fromUpdateSite(site);
}

void StationListUpdate::cancel() {
    if (!m_running) {
        return;
    }
    m_task.reset();     // what was under way is cancelled with its step
    EndUpdateSession(); // and says nothing
    end();
}

void StationListUpdate::abandon() {
    if (!m_running) {
        return;
    }
    m_running = false;
    m_finished = {};
    m_task.reset();
    m_ftp.CloseConnection();
    QObject::disconnect(m_progress);
    m_host.hideUpdateProgress();
}

void StationListUpdate::end() {
    if (!m_running) {
        return;
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

Task StationListUpdate::fromUpdateSite(UpdateSiteAccount site) {
    const bool connected = co_await step<bool>(
        [&](auto done) { return m_ftp.OpenConnection(site.host, site.user, site.password, done); });
    // A failed connection has said so and armed the re-show timer.
    if (connected) {
        co_await step<bool>(
            [&](auto done) { return m_ftp.SetFTPDirectory(kUpdateSiteFolder, done); });
        if (m_state.updateStatus == "True") {
            // The connection stays open for the download.
            const bool replaced = co_await DownloadStationList();
            EndUpdateSession();
            co_await report(replaced
                                ? QT_TRANSLATE_NOOP("lumo::Messages", "Station Update Complete")
                                : QT_TRANSLATE_NOOP("lumo::Messages",
                                                    "Station Update Not Found, Try again later"),
                            !replaced);
        } else {
            EndUpdateSession();
            co_await report(
                QT_TRANSLATE_NOOP("lumo::Messages", " Failed to Connect Update Website"), true);
        }
    }
    end();
}

// The list is fetched beside the station list and takes its place only when it arrived whole
// and holds stations: a failed, cut-off or empty download leaves the old list byte for byte.
Step<bool> StationListUpdate::DownloadStationList() {
    return step<bool>([this](auto done) {
        const std::filesystem::path list = m_folder.resolve("\\Lumo.csv");
        const std::filesystem::path fetched = list.parent_path() / ".Lumo.csv.download";
        return m_ftp.FTPDownloadFile(fetched.string(), "Lumo.csv", [list, fetched, done](bool ok) {
            ok = ok && holdsAStation(fetched);
            std::error_code ec;
            if (ok) {
                std::filesystem::rename(fetched, list, ec);
                ok = !ec;
            }
            if (ok) {
                // What the directory said belongs to its own list, not to this one.
                std::filesystem::remove(list.parent_path() / kStationInfoFile, ec);
            }
            std::filesystem::remove(fetched, ec);
            done(ok);
        });
    });
}

Task StationListUpdate::fromDirectory() {
    const QMetaObject::Connection received = QObject::connect(
        m_directory.get(), &DirectoryUpdate::received, [this](qint64 bytes, qint64 length) {
            const bool known = length > 0 && length <= std::numeric_limits<std::int32_t>::max();
            m_host.updateProgressFigures(static_cast<std::int32_t>(std::min<qint64>(
                                             bytes, std::numeric_limits<std::int32_t>::max())),
                                         known ? static_cast<std::int32_t>(length) : 0);
        });
    const QMetaObject::Connection converting =
        QObject::connect(m_directory.get(), &DirectoryUpdate::converting,
                         [this] { m_host.updateProgressConverting(); });
    const auto disconnect = qScopeGuard([&] {
        QObject::disconnect(received);
        QObject::disconnect(converting);
    });
    const auto outcome = co_await step<DirectoryUpdate::Outcome>([this](auto done) {
        m_directory->start(done);
        return whenDropped([this] { m_directory->cancel(); });
    });
    EndUpdateSession();
    switch (outcome) {
    case DirectoryUpdate::Outcome::Complete: {
        // What came, on a line of its own below the described message.
        const auto count = static_cast<qint64>(m_directory->stationCount());
        const QString what = count == 1 ? QObject::tr("1 station")
                                        : QObject::tr("%1 stations").arg(QLocale().toString(count));
        co_await report(
            std::string(QT_TRANSLATE_NOOP("lumo::Messages", "Station Update Complete")) + "\n" +
                what.toStdString(),
            false);
        break;
    }
    case DirectoryUpdate::Outcome::NoServer:
        co_await report(QT_TRANSLATE_NOOP("lumo::Messages", " Failed to Connect Update Website"),
                        true);
        break;
    case DirectoryUpdate::Outcome::NoList:
        co_await report(
            QT_TRANSLATE_NOOP("lumo::Messages", "Station Update Not Found, Try again later"), true);
        break;
    }
    end();
}

void StationListUpdate::EndUpdateSession() {
    m_host.hideUpdateProgress(); // the outcome takes its place
    m_host.setBusyCursor(true);
    m_ftp.CloseConnection();
    m_host.setBusyCursor(false);
    m_host.showPlayerWindow();
}

Step<bool> StationListUpdate::report(std::string text, bool failure) {
    return step<bool>([this, text = std::move(text), failure](auto done) {
        m_host.hidePlayerWindow();
        m_host.messages().show(text, failure ? MessageBoxes::Icon::Stop : MessageBoxes::Icon::None,
                               [this, done] {
                                   m_host.showPlayerWindow();
                                   done(true);
                               });
        return PendingPtr{}; // a box stays until it is closed
    });
}

} // namespace lumo
