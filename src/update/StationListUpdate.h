#pragma once

#include "platform/AppFolder.h"
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
    void ConnectUpdateSite(const UpdateSiteAccount& site, std::function<void()> next);
    void DownloadStationList(std::function<void()> next);
    void EndUpdateSession();
    void fromDirectory();
    // Says `text`, with the player window hidden behind the box, then goes on.
    void report(const char* text, bool failure, std::function<void()> next);
    void end();

    ProgramState& m_state;
    const AppFolder& m_folder;
    cFTP& m_ftp;
    UpdateHost& m_host;
    std::unique_ptr<DirectoryUpdate> m_directory;
    bool m_running = false;
    std::function<void()> m_finished;
    QMetaObject::Connection m_progress; // the session's progress, shown while the update runs
};

} // namespace lumo
