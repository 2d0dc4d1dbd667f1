#pragma once

#include "state/Station.h"

#include <QtGlobal>
#include <filesystem>
#include <string>
#include <unordered_set>
#include <vector>

namespace lumo {

// What the listener is told when the favourites file could not be written.
inline constexpr const char* kFavouritesNotSaved =
    QT_TRANSLATE_NOOP("lumo::Messages", "Failed to Save Favourites");

// The listener's favourite stations, in the order they were added, kept in "\FAVOURITES" in
// the application folder (the default station file's record syntax, one record each). Each is
// a record of its own: it plays whether or not the station list still holds it. Before each
// change the file is read again, so that what another player kept there meanwhile stays; it is
// then replaced whole (see OwnFile.h). When that fails, nothing changes.
class Favourites {
public:
    explicit Favourites(std::filesystem::path file);

    const std::vector<Station>& all() const { return m_list.stations; }
    std::vector<Station> ofKind(const std::string& kind) const;
    bool contains(const std::string& kind, const std::string& name) const;
    // False when the file could not be written (the favourites are then as before). Adding a
    // favourite already there changes nothing.
    bool add(const Station& station);
    bool remove(const std::string& kind, const std::string& name);

private:
    struct List {
        std::vector<Station> stations;
        std::unordered_set<std::string> keys; // kind and name: a look-up, not a scan
        bool contains(const std::string& kind, const std::string& name) const;
        void add(const Station& station);
    };
    List read() const;
    bool save(List list);

    std::filesystem::path m_file;
    List m_list;
};

} // namespace lumo
