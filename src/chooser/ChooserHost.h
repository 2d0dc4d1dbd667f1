#pragma once

#include <QPoint>
#include <functional>

namespace lumo {

class FILEIO;
class Favourites;
class MediaPlayer;
class MessageBoxes;

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
};

} // namespace lumo
