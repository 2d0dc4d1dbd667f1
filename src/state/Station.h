#pragma once

#include <string>

namespace lumo {

// One station as the player holds it. Text is kept as the catalogue files' single-byte text.
struct Station {
    std::string kind; // "RADIO" or "TV"; also the chooser's kind filter
    std::string name;
    std::string webPage;
    std::string streamUrl;
    std::string liveFeedUrl; // "NONE" when the station has no live feed

    bool operator==(const Station&) const = default;
};

} // namespace lumo
