#include "app/SongTitles.h"

#include "app/Settings.h"
#include "app/TitleHistory.h"
#include "app/TitlesWindow.h"
#include "desktop/SongNotifier.h"
#include "platform/PlainText.h"

#include <QDBusConnection>
#include <QListWidget>
#include <QWidget>
#include <chrono>

namespace lumo {

SongTitles::SongTitles(const std::filesystem::path& titles, Settings& settings, QWidget& player)
    : QObject(&player), m_player(player), m_history(std::make_unique<TitleHistory>(titles)),
      m_settings(settings) {}

SongTitles::~SongTitles() = default;

void SongTitles::announceOnDesktop() {
    if (m_notifier == nullptr) {
        m_notifier = new SongNotifier(QDBusConnection::sessionBus(), this);
    }
}

void SongTitles::heard(const std::string& title, const std::string& station,
                       const std::filesystem::path& icon) {
    if (!m_history->heard(title, station, std::chrono::system_clock::now())) {
        return;
    }
    if (m_notifier != nullptr && !m_player.isActiveWindow() && notifications()) {
        m_notifier->notify(displayText(title), displayText(station),
                           QString::fromStdString(icon.string()));
    }
    if (m_window && m_window->isVisible() &&
        m_window->list()->count() != static_cast<int>(m_history->titles().size())) {
        m_window->refresh();
    }
}

bool SongTitles::notifications() const {
    return m_settings.songNotifications();
}

void SongTitles::setNotifications(bool on) {
    m_settings.setSongNotifications(on);
}

TitlesWindow* SongTitles::window() const {
    return m_window;
}

void SongTitles::openWindow() {
    if (!m_window) {
        m_window = new TitlesWindow(*m_history, &m_player);
    }
    m_window->refresh();
    m_window->show();
    m_window->raise();
}

} // namespace lumo
