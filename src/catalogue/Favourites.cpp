#include "catalogue/Favourites.h"

#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/OwnFile.h"
#include "catalogue/StationRecord.h"

#include <algorithm>

namespace lumo {

namespace {

std::string keyOf(const std::string& kind, const std::string& name) {
    return kind + '\n' + name;
}

} // namespace

bool Favourites::List::contains(const std::string& kind, const std::string& name) const {
    return keys.contains(keyOf(kind, name));
}

void Favourites::List::add(const Station& station) {
    if (!station.name.empty() && !station.streamUrl.empty() &&
        keys.insert(keyOf(station.kind, station.name)).second) {
        stations.push_back(station);
    }
}

Favourites::Favourites(std::filesystem::path file) : m_file(std::move(file)), m_list(read()) {}

Favourites::List Favourites::read() const {
    List list;
    if (const auto text = readOwnFile(m_file)) {
        FieldReader reader(*text);
        while (const auto station = readStation(reader)) {
            list.add(*station);
        }
    }
    return list;
}

std::vector<Station> Favourites::ofKind(const std::string& kind) const {
    std::vector<Station> found;
    std::ranges::copy_if(m_list.stations, std::back_inserter(found),
                         [&](const Station& s) { return s.kind == kind; });
    return found;
}

bool Favourites::contains(const std::string& kind, const std::string& name) const {
    return m_list.contains(kind, name);
}

bool Favourites::add(const Station& station) {
    if (station.name.empty()) {
        return true;
    }
    List list = read(); // what another player kept meanwhile stays
    if (list.contains(station.kind, station.name) && contains(station.kind, station.name)) {
        return true;
    }
    list.add(station);
    return save(std::move(list));
}

bool Favourites::remove(const std::string& kind, const std::string& name) {
    List list = read();
    if (!list.contains(kind, name) && !contains(kind, name)) {
        return true;
    }
    std::erase_if(list.stations,
                  [&](const Station& s) { return s.kind == kind && s.name == name; });
    list.keys.erase(keyOf(kind, name));
    return save(std::move(list));
}

bool Favourites::save(List list) {
    FieldWriter writer;
    for (const Station& station : list.stations) {
        writeStation(writer, station);
    }
    if (!writeOwnFile(m_file, writer.bytes())) {
        return false;
    }
    m_list = std::move(list);
    return true;
}

} // namespace lumo
