#pragma once

#include "platform/AppFolder.h"
#include "platform/Task.h"
#include "state/ProgramState.h"
#include "update/UpdateSite.h"

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

namespace lumo {

class NetEngine;
class UpdateHost;
class cFTP;
class DirectoryUpdate;
struct DirectorySettings;

// The station list update (the update-stations button, the chooser's too): "Lumo.csv" comes
// from the update site over FTP and replaces the station list. Its steps follow one another
// as their results arrive; the window goes on working meanwhile. Cancel ends it at once: the
// old list stays, the usual windows come back, and nothing more is said.
class StationListUpdate {
public:
    StationListUpdate(ProgramState& state, const AppFolder& folder, cFTP& ftp, UpdateHost& host,
                      NetEngine& engine, const DirectorySettings& directory);
    ~StationListUpdate();

    // Image5_Click. `finished` runs once the update has ended, however it ended. One update
    // at a time: a second start while one runs is ignored. A site without a host: the list
    // comes from the community radio directory instead, with the same windows and messages.
    void start(const UpdateSiteAccount& site, std::function<void()> finished = {});
    void cancel();
    // The program is ending: the update stops where it is, and nothing follows it.
    void abandon();
    bool running() const { return m_running; }
    void setDirectory(const DirectorySettings& settings);

private:
    Task fromUpdateSite(UpdateSiteAccount site);
    Task fromDirectory();
    // Connected, in the site's folder: the download that replaces the list.
    Step<bool> DownloadStationList();
    void EndUpdateSession();
    // Says `text`, with the player window hidden behind the box, until it is closed.
    Step<bool> report(std::string text, bool failure);
    void end();

    ProgramState& m_state;
    const AppFolder& m_folder;
    cFTP& m_ftp;
    UpdateHost& m_host;
    std::unique_ptr<DirectoryUpdate> m_directory;
    bool m_running = false;
    std::function<void()> m_finished;
    Task m_task;
    QMetaObject::Connection m_progress; // the session's progress, shown while the update runs
};

} // namespace lumo
