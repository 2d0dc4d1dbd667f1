#pragma once

#include "state/Station.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {

// The listener's favourite stations, in the order they were added, kept in "\FAVOURITES" in
// the application folder (the default station file's record syntax, one record each). Each is
// a record of its own: it plays whether or not the station list still holds it. The file is
// replaced whole through a temporary file; when that fails, nothing changes.
class Favourites {
public:
    explicit Favourites(std::filesystem::path file);

    const std::vector<Station>& all() const { return m_stations; }
    std::vector<Station> ofKind(const std::string& kind) const;
    bool contains(const std::string& kind, const std::string& name) const;
    // False when the file could not be written (the favourites are then as before). Adding a
    // favourite already there changes nothing.
    bool add(const Station& station);
    bool remove(const std::string& kind, const std::string& name);

private:
    bool save(const std::vector<Station>& stations);

    std::filesystem::path m_file;
    std::vector<Station> m_stations;
};

} // namespace lumo
