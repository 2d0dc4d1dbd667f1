#pragma once

#include <QPoint>
#include <functional>
#include <string>

namespace lumo {

struct StationRecord;

class FILEIO;
class LogoSource;
class Favourites;
class MediaPlayer;
class MessageBoxes;
class MyStations;

// What the station chooser needs of the player window.
class ChooserHost {
public:
    virtual ~ChooserHost() = default;

    virtual QPoint playerWindowPosition() const = 0;
    virtual void hidePlayerWindow() = 0;
    virtual void showPlayerWindow() = 0;
    virtual bool playerStaysOnTop() const = 0;
    virtual void setStatusTimerInterval(int milliseconds) = 0;
    virtual void startChooserClosing(int milliseconds) = 0;
    // Live feed: wait for the new station's picture; or hold the feed while choosing.
    virtual void AwaitLiveFeed() = 0;
    virtual void PauseLiveFeed() = 0;
    // The player window's station list update (its update-stations button); `finished` runs
    // once it has ended.
    virtual void updateStationList(std::function<void()> finished) = 0;
    virtual void endProgram() = 0;

    virtual MediaPlayer& media() = 0;
    virtual FILEIO& fileIO() = 0;
    virtual MessageBoxes& messages() = 0;
    virtual Favourites& favourites() = 0;
    virtual MyStations& myStations() = 0;
    // Station logos, for the list's rows.
    virtual LogoSource& logos() = 0;
    // The listener's own station `station` was kept in place of the one of `kind` named `name`.
    virtual void ownStationChanged(const StationRecord& station, const std::string& kind,
                                   const std::string& name) = 0;
};

} // namespace lumo
