// The player window's side of the station chooser and of the default-station button.
#include "app/LiveFeed.h"
#include "app/PlayerWindow.h"
#include "app/StationsUpdater.h"
#include "chooser/Stations.h"
#include "platform/ClickLabel.h"

#include <QApplication>

namespace lumo {

void PlayerWindow::connectChooser() {
    connect(Image6, &ClickLabel::clicked, this, [this] {
        hide();
        Timer7->setInterval(0);
        loadChooser();
    });
    connect(Label5, &ClickLabel::clicked, this, [this] {
        Timer7->setInterval(0);
        loadChooser();
    });
    connect(Image5, &ClickLabel::clicked, this, [this] { updateStationList(); });
    connect(Image7, &ClickLabel::pressed, this, &PlayerWindow::defaultStationPressed);
    connect(Image7, &ClickLabel::released, this, &PlayerWindow::defaultStationReleased);
}

Stations* PlayerWindow::chooser() const {
    return m_chooser;
}

void PlayerWindow::loadChooser() {
    if (m_chooser) {
        m_chooser->showNormal();
        m_chooser->raise();
        return;
    }
    m_chooser = new Stations(m_state, m_folder, *this);
    m_chooser->load();
}

void PlayerWindow::defaultStationPressed() {
    Image7->setPixmap(Image16);
    m_liveFeed->waitForNextStation();
}

void PlayerWindow::defaultStationReleased() {
    Image7->setPixmap(Image17);
    returnToDefaultStation();
}

// The update-stations button and the chooser's update: nothing new once the program ends.
void PlayerWindow::updateStationList(std::function<void()> finished) {
    if (!m_ending) {
        m_updater->start(std::move(finished));
    }
}

} // namespace lumo
