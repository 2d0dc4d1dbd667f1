#pragma once

#include <string>

namespace lumo {

// What the catalogue operations need of the player window.
class PlayerWindowLink {
public:
    virtual ~PlayerWindowLink() = default;
    // The label whose click returns to the default station.
    virtual void setDefaultStationCaption(const std::string& name) = 0;
    virtual void hidePlayerWindow() = 0;
    virtual void showPlayerWindow() = 0;
    // Starts the timer that closes the station chooser and shows the player window again.
    virtual void startChooserClosing(int milliseconds) = 0;
};

} // namespace lumo
