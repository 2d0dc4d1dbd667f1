#include "catalogue/Favourites.h"

#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/StationRecord.h"
#include "platform/AppFolder.h"

#include <algorithm>

namespace lumo {

Favourites::Favourites(std::filesystem::path file) : m_file(std::move(file)) {
    const auto bytes = readWholeFile(m_file);
    if (!bytes) {
        return;
    }
    FieldReader reader(*bytes);
    while (const auto station = readStation(reader)) {
        if (!station->name.empty() && !station->streamUrl.empty() &&
            !contains(station->kind, station->name)) {
            m_stations.push_back(*station);
        }
    }
}

std::vector<Station> Favourites::ofKind(const std::string& kind) const {
    std::vector<Station> found;
    std::ranges::copy_if(m_stations, std::back_inserter(found),
                         [&](const Station& s) { return s.kind == kind; });
    return found;
}

bool Favourites::contains(const std::string& kind, const std::string& name) const {
    return std::ranges::any_of(m_stations,
                               [&](const Station& s) { return s.kind == kind && s.name == name; });
}

bool Favourites::add(const Station& station) {
    if (station.name.empty() || contains(station.kind, station.name)) {
        return true;
    }
    std::vector<Station> stations = m_stations;
    stations.push_back(station);
    return save(stations);
}

bool Favourites::remove(const std::string& kind, const std::string& name) {
    std::vector<Station> stations = m_stations;
    std::erase_if(stations, [&](const Station& s) { return s.kind == kind && s.name == name; });
    return stations.size() == m_stations.size() || save(stations);
}

bool Favourites::save(const std::vector<Station>& stations) {
    FieldWriter writer;
    for (const Station& station : stations) {
        writeStation(writer, station);
    }
    if (!replaceFileAtomically(m_file, writer.bytes())) {
        return false;
    }
    m_stations = stations;
    return true;
}

} // namespace lumo
