#include "catalogue/MyStations.h"

#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/OwnFile.h"

#include <algorithm>

namespace lumo {

namespace {

auto named(const std::string& kind, const std::string& name) {
    return [&](const StationRecord& s) { return s.kind == kind && s.name == name; };
}

std::string textOf(const std::vector<StationRecord>& stations) {
    FieldWriter writer;
    for (const StationRecord& s : stations) {
        writer.text(s.kind).text(s.genre).text(s.name).text(s.webPage).text(s.streamUrl);
        writer.text(s.liveFeedUrl).endRecord();
    }
    return writer.bytes();
}

} // namespace

MyStations::MyStations(std::filesystem::path file)
    : m_file(std::move(file)), m_stations(read(m_file)) {}

std::vector<StationRecord> MyStations::read(const std::filesystem::path& file) {
    std::vector<StationRecord> stations;
    if (const auto text = readOwnFile(file)) {
        FieldReader reader(*text);
        while (auto station = readStationRecord(reader)) {
            if (station->complete() && (station->kind == "RADIO" || station->kind == "TV")) {
                stations.push_back(std::move(*station));
            }
        }
    }
    return stations;
}

std::string MyStations::listText(const std::filesystem::path& file) {
    return textOf(read(file));
}

std::vector<StationRecord> MyStations::ofKind(const std::string& kind) const {
    std::vector<StationRecord> found;
    std::ranges::copy_if(m_stations, std::back_inserter(found),
                         [&](const StationRecord& s) { return s.kind == kind; });
    return found;
}

std::optional<StationRecord> MyStations::find(const std::string& kind,
                                              const std::string& name) const {
    const auto at = std::ranges::find_if(m_stations, named(kind, name));
    return at == m_stations.end() ? std::nullopt : std::optional(*at);
}

bool MyStations::put(const StationRecord& station, const std::string& kind,
                     const std::string& name) {
    if (!station.complete()) {
        return false;
    }
    // What another player kept meanwhile stays.
    std::vector<StationRecord> stations = read(m_file);
    // The station's new name may be another own station's: that one gives way.
    if (station.kind != kind || station.name != name) {
        std::erase_if(stations, named(station.kind, station.name));
    }
    const auto at = std::ranges::find_if(stations, named(kind, name));
    if (at == stations.end()) {
        stations.push_back(station);
    } else {
        *at = station;
    }
    return save(std::move(stations));
}

bool MyStations::remove(const std::string& kind, const std::string& name) {
    std::vector<StationRecord> stations = read(m_file);
    std::erase_if(stations, named(kind, name));
    return save(std::move(stations));
}

bool MyStations::save(std::vector<StationRecord> stations) {
    if (!writeOwnFile(m_file, textOf(stations))) {
        return false;
    }
    m_stations = std::move(stations);
    return true;
}

} // namespace lumo
