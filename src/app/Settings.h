#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <filesystem>
#include <string>

namespace lumo {

// The listener's choices kept across restarts in SETTINGS (an INI file): the volume (100 on
// the first start) and whether song notifications show. A change is kept half a second later
// (a knob turned step by step is written once), off the window's thread, by replacing the file
// whole; what is still unwritten at the end is written then.
class Settings : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstVolume = 100;

    explicit Settings(std::filesystem::path file, QObject* parent = nullptr);
    ~Settings() override;

    int volume() const { return m_volume; }
    void setVolume(int level);
    bool songNotifications() const { return m_notifications; }
    void setSongNotifications(bool on);

    // The file's text for these choices.
    std::string text() const;

private:
    void changed();
    void save();

    std::filesystem::path m_file;
    int m_volume = kFirstVolume;
    bool m_notifications = true;
    QTimer m_soon;
    QThreadPool m_writer; // one write after another
};

} // namespace lumo
