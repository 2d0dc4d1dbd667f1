#include "catalogue/StationRecord.h"

#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"

namespace lumo {

std::optional<StationRecord> readStationRecord(FieldReader& reader) {
    StationRecord record;
    for (std::string* field : {&record.kind, &record.genre, &record.name, &record.webPage,
                               &record.streamUrl, &record.liveFeedUrl}) {
        auto text = reader.nextText();
        if (!text) {
            return std::nullopt;
        }
        *field = std::move(*text);
    }
    return record;
}

std::vector<std::string> stationNamesOf(std::string_view listText, const std::string& kind) {
    std::vector<std::string> names;
    FieldReader reader(listText);
    while (const auto record = readStationRecord(reader)) {
        if (record->kind == kind && record->complete()) {
            names.push_back(record->name);
        }
    }
    return names;
}

std::vector<std::string> genresOf(std::string_view listText, const std::string& kind) {
    std::vector<std::string> genres;
    FieldReader reader(listText);
    while (const auto record = readStationRecord(reader)) {
        if (record->kind == kind && !record->genre.empty() &&
            (genres.empty() || genres.back() != record->genre)) {
            genres.push_back(record->genre);
        }
    }
    return genres;
}

std::optional<Station> readStation(FieldReader& reader) {
    Station station;
    for (std::string* field : {&station.kind, &station.name, &station.webPage, &station.streamUrl,
                               &station.liveFeedUrl}) {
        auto text = reader.nextText();
        if (!text) {
            return std::nullopt;
        }
        *field = std::move(*text);
    }
    return station;
}

void writeStation(FieldWriter& writer, const Station& s) {
    writer.text(s.kind).text(s.name).text(s.webPage).text(s.streamUrl).text(s.liveFeedUrl);
    writer.endRecord();
}

} // namespace lumo
