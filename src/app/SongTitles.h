#pragma once

#include <QObject>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>

class QWidget;

namespace lumo {

class Settings;

class SongNotifier;
class TitleHistory;
class TitlesWindow;

// The titles the stations send, as the listener follows them: kept in TITLES, listed in the
// titles window, and announced by a desktop notification while the player window is not the
// active one (on unless switched off; the switch is kept in SETTINGS).
class SongTitles : public QObject {
    Q_OBJECT
public:
    SongTitles(const std::filesystem::path& titles, Settings& settings, QWidget& player);
    ~SongTitles() override;

    // Notifications go through the desktop's notification service on the session bus.
    void announceOnDesktop();
    // What plays now (each status tick): a new title is kept, listed and announced.
    // `icon`: the station's logo file, or empty.
    void heard(const std::string& title, const std::string& station,
               const std::filesystem::path& icon = {});

    bool notifications() const;
    void setNotifications(bool on);

    // The window of the titles heard, opened from the player's menu.
    void openWindow();
    TitlesWindow* window() const;
    const TitleHistory& history() const { return *m_history; }

private:
    QWidget& m_player;
    std::unique_ptr<TitleHistory> m_history;
    Settings& m_settings;
    QPointer<TitlesWindow> m_window;
    SongNotifier* m_notifier = nullptr; // with a session bus
};

} // namespace lumo
