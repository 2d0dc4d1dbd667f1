#pragma once

#include "update/DirectoryUpdate.h"
#include "update/UpdateHost.h"
#include "update/UpdateSite.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;

namespace lumo {

class AppFolder;
class MessageBoxes;
class NetEngine;
class StationListUpdate;
class UpdateProgressWindow;
class cFTP;
struct ProgramState;

// The station list update as the player window runs it: one at a time, from the update site
// over FTP or from the community directory, its progress window standing in for the player
// window, the busy cursor over the player window meanwhile.
class StationsUpdater : public QObject, public UpdateHost {
    Q_OBJECT
public:
    // What the update needs of the player window.
    struct Window {
        QWidget& widget;
        MessageBoxes& messages;
        std::function<void()> show;
        std::function<void()> hide;
        std::function<void()> refreshStationListDate;
        // A failed connection to the update site brings the player window back shortly after.
        std::function<void()> armReshow;
    };
    StationsUpdater(ProgramState& state, const AppFolder& folder, NetEngine& network, Window window,
                    QObject* parent = nullptr);
    ~StationsUpdater() override;

    // Makes the FTP session and the update (at the window's start-up).
    void load();
    // Starts an update unless one runs; `finished` runs once it has ended, however it ended.
    void start(std::function<void()> finished = {});
    bool running() const;
    // The program is ending: an update under way is cancelled, its connection closed.
    void abandon();

    // The update site's FTP account (tests give their own server), the directory asked when
    // the site has no host, and the FTP session once loaded.
    void setSite(UpdateSiteAccount account) { m_site = std::move(account); }
    void setDirectory(DirectorySettings settings);
    cFTP* ftp() const { return m_ftp.get(); }

    // UpdateHost
    void hidePlayerWindow() override { m_window.hide(); }
    void showPlayerWindow() override { m_window.show(); }
    void showUpdateProgress() override;
    void updateProgressFigures(std::int32_t current, std::int32_t total) override;
    void updateProgressConverting() override;
    void hideUpdateProgress() override;
    void setBusyCursor(bool busy) override;
    void refreshStationListDate() override { m_window.refreshStationListDate(); }
    MessageBoxes& messages() override { return m_window.messages; }

private:
    ProgramState& m_state;
    const AppFolder& m_folder;
    NetEngine& m_network;
    Window m_window;
    std::unique_ptr<cFTP> m_ftp;
    std::unique_ptr<StationListUpdate> m_update;
    UpdateSiteAccount m_site;
    DirectorySettings m_directory = DirectorySettings::fromBuild();
    QPointer<UpdateProgressWindow> m_progress; // while an update runs
};

} // namespace lumo
