#include "catalogue/StationInfo.h"

#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"

#include <array>
#include <optional>

namespace lumo {

namespace {

constexpr std::size_t kFields = 11;

} // namespace

std::string stationInfoText(const std::string& server, const std::vector<StationInfo>& stations) {
    FieldWriter out;
    out.text("SERVER").text(server);
    for (std::size_t i = 2; i < kFields; ++i) {
        out.text("");
    }
    out.endRecord();
    for (const StationInfo& s : stations) {
        out.text("STATION")
            .text(s.stream)
            .text(s.id)
            .text(s.countryCode)
            .text(s.country)
            .text(s.languages)
            .text(s.tags)
            .text(s.codec)
            .text(s.bitrate)
            .text(s.logo)
            .text(s.homePage)
            .endRecord();
    }
    return out.bytes();
}

StationInfoIndex readStationInfo(std::string_view text) {
    StationInfoIndex index;
    FieldReader reader(text);
    while (!reader.atEnd()) {
        std::array<std::string, kFields> f;
        for (std::string& field : f) {
            auto next = reader.nextText();
            if (!next) {
                return index;
            }
            // As the file is written: a double quote cannot stand inside a field.
            field = FieldWriter::asWritten(*next);
        }
        if (f[0] == "SERVER" && index.server.empty()) {
            index.server = f[1];
        } else if (f[0] == "STATION" && !f[1].empty()) {
            index.byStream.try_emplace(
                f[1], StationInfo{f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]});
        }
    }
    return index;
}

} // namespace lumo
