#pragma once

#include <optional>
#include <string>

namespace lumo {

class FieldReader;

// One record of the station list file "\Lumo.csv": six text fields in this order.
struct StationRecord {
    std::string kind; // "RADIO" or "TV"; anything else is never listed
    std::string genre;
    std::string name;
    std::string webPage;
    std::string streamUrl;
    std::string liveFeedUrl; // or "NONE"

    // Listed and loadable from the chooser: genre, name, web page and stream all given.
    bool complete() const {
        return !genre.empty() && !name.empty() && !webPage.empty() && !streamUrl.empty();
    }
};

// The next six fields, or nothing at the end of the file. A last record cut short by the end
// of the file is not a station and gives nothing too.
std::optional<StationRecord> readStationRecord(FieldReader& reader);

} // namespace lumo
