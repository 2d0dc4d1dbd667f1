#pragma once

#include <cstdint>

namespace lumo {

class MessageBoxes;

// What the station list update needs of the player window.
class UpdateHost {
public:
    virtual ~UpdateHost() = default;
    virtual void hidePlayerWindow() = 0;
    virtual void showPlayerWindow() = 0;
    // The small window that stands in for the player window while the update runs: what the
    // transfer has done so far, and a Cancel button.
    virtual void showUpdateProgress() = 0;
    // The bytes received of `total` (0 or less: the length is not known).
    virtual void updateProgressFigures(std::int32_t current, std::int32_t total) = 0;
    // What arrived is being made into the station list.
    virtual void updateProgressConverting() = 0;
    virtual void hideUpdateProgress() = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // getMOD: the station-list date label from the list's last-write date.
    virtual void refreshStationListDate() = 0;
    virtual MessageBoxes& messages() = 0;
};

} // namespace lumo
