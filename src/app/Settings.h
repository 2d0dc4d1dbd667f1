#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <filesystem>
#include <string>

namespace lumo {

// The listener's choices kept across restarts in SETTINGS (an INI file): the volume (100 on
// the first start), whether song notifications show and the sleep timer's last choice. A change is
// kept half a second later (a knob turned step by step is written once), off the window's thread,
// by replacing the file whole; what is still unwritten at the end is written then.
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
    // Minutes, 0 for none (off, or never chosen).
    int sleepMinutes() const { return m_sleepMinutes; }
    void setSleepMinutes(int minutes);

    // The file's text for these choices.
    std::string text() const;

private:
    void changed();
    void save();

    std::filesystem::path m_file;
    int m_volume = kFirstVolume;
    bool m_notifications = true;
    int m_sleepMinutes = 0;
    QTimer m_soon;
    QThreadPool m_writer; // one write after another
};

} // namespace lumo
