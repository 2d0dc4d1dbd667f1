// STATIONINFO on any bytes: reading never fails, every station is keyed by the stream it names,
// and what is read writes and reads back the same.
#include "FuzzCheck.h"
#include "catalogue/StationInfo.h"

#include <algorithm>
#include <vector>

using namespace lumo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StationInfoIndex info = readStationInfo(fuzz::bytesOf(data, size));
    std::vector<StationInfo> stations;
    for (const auto& [stream, station] : info.byStream) {
        check(!stream.empty() && stream == station.stream, "stations are keyed by their stream");
        stations.push_back(station);
    }
    std::ranges::sort(stations, {}, &StationInfo::stream);
    const StationInfoIndex again = readStationInfo(stationInfoText(info.server, stations));
    check(again.server == info.server, "the server reads back");
    check(again.byStream.size() == info.byStream.size(), "every station reads back");
    return 0;
}
