#include "catalogue/StationRecord.h"

#include "catalogue/FieldReader.h"

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

} // namespace lumo
