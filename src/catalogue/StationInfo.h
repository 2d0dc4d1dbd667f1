#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumo {

// What the community radio directory says of a station beyond the station list's six fields.
// It is kept beside the list in "STATIONINFO", replaced with it, one record per station keyed
// by its stream address, in the catalogue files' record syntax: eleven text fields, the first
// "STATION". A first record "SERVER" names the directory server the list came from in its
// second field.
struct StationInfo {
    std::string stream; // the key
    std::string id;     // the directory's station id (its uuid)
    std::string countryCode;
    std::string country;
    std::string languages;
    std::string tags;
    std::string codec;
    std::string bitrate; // kbit/s, as digits; empty when not known
    std::string logo;
    std::string homePage;
};

inline constexpr const char* kStationInfoFile = "STATIONINFO";

// A STATIONINFO file's text.
std::string stationInfoText(const std::string& server, const std::vector<StationInfo>& stations);

struct StationInfoIndex {
    std::string server; // the directory server that answered, or empty
    std::unordered_map<std::string, StationInfo> byStream;

    // What is known of the station of `stream`, or null (never of an index that is going).
    const StationInfo* find(const std::string& stream) const& {
        const auto it = byStream.find(stream);
        return it == byStream.end() ? nullptr : &it->second;
    }
    const StationInfo* find(const std::string& stream) const&& = delete;
};

// The records of a STATIONINFO text. Records of another kind are passed over; a record cut
// short by the end of the file ends the reading.
StationInfoIndex readStationInfo(std::string_view text);

} // namespace lumo
