#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace lumo {

class MprisHost;

// The program's icon in the desktop's status area (a StatusNotifierItem on the session bus,
// where a tray watches for one): the station and the title as its tooltip, a click shows or
// hides the player window, and its menu plays or pauses, stops, names the station, shows or
// hides the player and quits. Playback is the same view the desktop bus has. Without a tray
// nothing shows, and nothing else changes.
class StatusIcon : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<bool()> shown;
        std::function<void()> show;
        std::function<void()> hide;
    };
    StatusIcon(MprisHost& playback, Window window, QObject* parent = nullptr);
    ~StatusIcon() override;

    // What playback shows now, for the tooltip and the menu (told on the status tick; only
    // what changed is sent on).
    void refresh();
    QSystemTrayIcon& icon() const { return *m_icon; }
    QMenu& menu() const { return *m_menu; }

private:
    void toggleWindow();

    MprisHost& m_playback;
    Window m_window;
    std::unique_ptr<QMenu> m_menu;
    QSystemTrayIcon* m_icon = nullptr; // this object's child
    QAction* m_playPause = nullptr;
    QAction* m_station = nullptr;
    QAction* m_showHide = nullptr;
};

} // namespace lumo
