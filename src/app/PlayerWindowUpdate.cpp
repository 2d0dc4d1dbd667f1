// The player window's side of the station list update: the update-stations button, and the
// progress window that stands in for the player window while the list arrives.
#include "app/PlayerWindow.h"
#include "app/UpdateProgressWindow.h"
#include "update/Ftp.h"
#include "update/StationListUpdate.h"

#include <QApplication>

namespace lumo {

void PlayerWindow::setDirectory(DirectorySettings settings) {
    m_directory = std::move(settings);
    if (m_update) {
        m_update->setDirectory(m_directory);
    }
}

void PlayerWindow::updateStationList(std::function<void()> finished) {
    if (m_ending || !m_update || m_update->running()) {
        return; // one update at a time
    }
    m_update->start(m_updateSite, std::move(finished));
}

bool PlayerWindow::updating() const {
    return m_update && m_update->running();
}

void PlayerWindow::showUpdateProgress() {
    if (!m_updateProgress) {
        m_updateProgress = new UpdateProgressWindow(geometry());
        connect(m_updateProgress, &UpdateProgressWindow::cancelRequested, this, [this] {
            if (m_update) {
                m_update->cancel();
            }
        });
    }
    m_updateProgress->show();
}

void PlayerWindow::updateProgressFigures(std::int32_t current, std::int32_t total) {
    if (m_updateProgress) {
        m_updateProgress->showProgress(current, total);
    }
}

// Its own Cancel may be what ended the update: it goes once the event loop is back.
void PlayerWindow::hideUpdateProgress() {
    if (m_updateProgress) {
        m_updateProgress->hide();
        m_updateProgress->deleteLater();
        m_updateProgress = nullptr;
    }
}

void PlayerWindow::setBusyCursor(bool busy) {
    if (busy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

} // namespace lumo
