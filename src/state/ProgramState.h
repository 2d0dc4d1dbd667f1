#pragma once

#include "state/Station.h"

#include <cstdint>
#include <string>

namespace lumo {

// The values of ProgramState's playback and window fields.
inline constexpr std::int16_t kStreamNotReached = 0; // streamReached
inline constexpr std::int16_t kStreamReached = 1;
inline constexpr std::int16_t kNoReconnect = 0; // reconnectState
inline constexpr std::int16_t kReconnectAllowed = 1;
inline constexpr std::int16_t kReconnectUsed = 2;
inline constexpr std::int16_t kStayOnTopOff = 1; // stayOnTopMode
inline constexpr std::int16_t kStayOnTopOn = 2;

// The program-wide variables, one object for the whole run, handed by reference to whoever
// reads or writes them. Members keep the names the rest of the program knows them by.
struct ProgramState {
    // Station catalogue
    Station CurrentStation;
    std::int16_t useDefaultViewer = 0; // nonzero: streams go to the desktop's default viewer
    std::string defaultStationName;    // as last read from or written to the default file
    std::string shownStationName;      // what the station-name label shows

    // Station list and chooser
    std::string selectedGenre;     // the genre the chooser's station list shows
    std::string preselectGenre;    // the genre to offer again when the genre box is refilled
    std::string chosenStationName; // the name double-clicked in the chooser
    std::string recordKind;        // kind and genre of the record last read while searching
    std::string recordGenre;

    // Playback
    std::int16_t volumeLevel = 0;
    std::int16_t reconnectState = 0; // 1: one automatic reconnect allowed; 2: used; 0: none
    std::int16_t streamReached = 0;  // 1 once the player reported stopped, paused or playing

    // Live feed
    std::int16_t liveFeedOn = 0;
    std::int16_t liveFeedCountdown = 0; // seconds to the next refresh

    // Advert rotation
    std::int16_t advertNumber = 0;       // the advert due: "\ADS\AD<n>.jpg"
    std::int16_t advertListComplete = 0; // 1 once the end of the advert list was found
    std::string advertLink;              // what a click on the advert opens; empty: nothing

    // Window behaviour
    std::int16_t stayOnTopMode = 0;     // 1: normal, 2: kept on top
    std::int16_t volumeDragAnchorY = 0; // screen y of the volume drag's reference; 0: not taken
    struct {
        std::int32_t x = 0, y = 0;
    } cursorPos; // last pointer position read, screen pixels
    struct {
        std::int16_t x = 0;
        std::int32_t y = 0;
    } lastBannerCursor; // pointer position at the banner's previous check

    // Update service: "false" after a failed connection, "True" once the remote folder was
    // entered, "False" when entering it failed.
    std::string updateStatus;

    // Desktop integration
    std::string stationListDate;
};

} // namespace lumo
