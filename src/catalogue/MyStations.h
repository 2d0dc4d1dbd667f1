#pragma once

#include "catalogue/StationRecord.h"

#include <QtGlobal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// What the listener is told when their own stations could not be written.
inline constexpr const char* kMyStationsNotSaved =
    QT_TRANSLATE_NOOP("lumo::Messages", "Failed to Save My Stations");
// The genre box's entry that lists them.
inline constexpr const char* kMyStationsGenre = "My Stations";

// The listener's own stations, kept in "\MYSTATIONS" beside the default station file in the
// station list's six-field record syntax, in the order they were added. A station list update
// never touches the file; the chooser lists them with the stations of the list (before them,
// so that a listed station copied here and edited plays as edited). As for the favourites, the
// file is read again before each change and replaced whole; when that fails, nothing changes.
class MyStations {
public:
    explicit MyStations(std::filesystem::path file);

    const std::vector<StationRecord>& all() const { return m_stations; }
    std::vector<StationRecord> ofKind(const std::string& kind) const;
    std::optional<StationRecord> find(const std::string& kind, const std::string& name) const;

    // Keeps `station` in place of the one of `kind` named `name` (or at the end when there is
    // none). False when the station is not complete or the file could not be written.
    bool put(const StationRecord& station, const std::string& kind, const std::string& name);
    bool add(const StationRecord& station) { return put(station, station.kind, station.name); }
    bool remove(const std::string& kind, const std::string& name);

    // The complete stations of a file of own stations as a station list's text.
    static std::string listText(const std::filesystem::path& file);

private:
    static std::vector<StationRecord> read(const std::filesystem::path& file);
    bool save(std::vector<StationRecord> stations);

    std::filesystem::path m_file;
    std::vector<StationRecord> m_stations;
};

} // namespace lumo
