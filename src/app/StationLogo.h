#pragma once

#include "platform/Task.h"

#include <QObject>
#include <filesystem>
#include <string>

class QLabel;

namespace lumo {

class LogoSource;

// The playing station's logo, shown centred in the picture area while an audio station plays
// (the live feed's frame, when on, lies over it). Its address comes from STATIONINFO, read off
// the window's thread; the logo source fetches or finds it at the size shown. A logo that
// fails is simply not shown. Another station, or stop, cancels what is under way.
class StationLogo : public QObject {
    Q_OBJECT
public:
    StationLogo(LogoSource& logos, std::filesystem::path stationInfo, QLabel& picture,
                QObject* parent = nullptr);

    // A station began to play; `audio`: it shows no pictures of its own. `named`: the logo
    // the stream itself names (icy-logo), taken when the directory names none.
    void playing(const std::string& stream, bool audio, const std::string& named = {});
    // Nothing plays: the logo goes.
    void clear();
    // The cached logo of the station playing (empty without one), for the desktop's cover.
    const std::filesystem::path& file() const { return m_file; }

private:
    Task show(std::string stream, std::string named);

    LogoSource& m_logos;
    std::filesystem::path m_info;
    QLabel& m_picture;
    std::filesystem::path m_file;
    Task m_task;
};

} // namespace lumo
