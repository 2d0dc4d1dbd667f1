#include "app/StationsUpdater.h"

#include "app/UpdateProgressWindow.h"
#include "update/Ftp.h"
#include "update/StationListUpdate.h"

#include <QWidget>

namespace lumo {

StationsUpdater::StationsUpdater(ProgramState& state, const AppFolder& folder, NetEngine& network,
                                 Window window, QObject* parent)
    : QObject(parent), m_state(state), m_folder(folder), m_network(network),
      m_window(std::move(window)) {}

StationsUpdater::~StationsUpdater() = default;

void StationsUpdater::load() {
    m_ftp = std::make_unique<cFTP>(m_state, m_window.messages, m_network, m_window.armReshow);
    m_ftp->SetModeActive();
    m_ftp->SetTransferBinary();
    m_update = std::make_unique<StationListUpdate>(m_state, m_folder, *m_ftp, *this, m_network,
                                                   m_directory);
}

void StationsUpdater::setDirectory(DirectorySettings settings) {
    m_directory = std::move(settings);
    if (m_update) {
        m_update->setDirectory(m_directory);
    }
}

void StationsUpdater::start(std::function<void()> finished) {
    if (!m_update || m_update->running()) {
        return; // one update at a time
    }
    m_update->start(m_site, std::move(finished));
}

bool StationsUpdater::running() const {
    return m_update && m_update->running();
}

void StationsUpdater::abandon() {
    if (m_update) {
        m_update->abandon();
    }
}

void StationsUpdater::showUpdateProgress() {
    if (!m_progress) {
        m_progress = new UpdateProgressWindow(m_window.widget.geometry());
        connect(m_progress, &UpdateProgressWindow::cancelRequested, this, [this] {
            if (m_update) {
                m_update->cancel();
            }
        });
    }
    m_progress->show();
}

void StationsUpdater::updateProgressFigures(std::int32_t current, std::int32_t total) {
    if (m_progress) {
        m_progress->showProgress(current, total);
    }
}

void StationsUpdater::updateProgressConverting() {
    if (m_progress) {
        m_progress->showConverting();
    }
}

// Its own Cancel may be what ended the update: it goes once the event loop is back.
void StationsUpdater::hideUpdateProgress() {
    if (m_progress) {
        m_progress->hide();
        m_progress->deleteLater();
        m_progress = nullptr;
    }
}

void StationsUpdater::setBusyCursor(bool busy) {
    if (busy) {
        m_window.widget.setCursor(Qt::WaitCursor);
    } else {
        m_window.widget.unsetCursor();
    }
}

} // namespace lumo
