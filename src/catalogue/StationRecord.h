#pragma once

#include "state/Station.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

class FieldReader;
class FieldWriter;

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

// The names of the complete stations of `kind` in a station list's text, in file order.
std::vector<std::string> stationNamesOf(std::string_view listText, const std::string& kind);

// The genres of the stations of `kind` in a station list's text, in file order; a run of
// stations of one genre gives it once.
std::vector<std::string> genresOf(std::string_view listText, const std::string& kind);

// The five fields a file of stations of the program's own holds ("\DEFAULT", "\FAVOURITES"):
// kind, name, web page, stream, live feed. Nothing when the file ends before the fifth.
std::optional<Station> readStation(FieldReader& reader);
void writeStation(FieldWriter& writer, const Station& station);

} // namespace lumo
