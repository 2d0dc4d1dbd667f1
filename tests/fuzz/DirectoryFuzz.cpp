// The community directory's answers on any bytes: a station list made from an export reads
// back as whole radio records whose streams the player would open; what is said of each
// station reads back from STATIONINFO by its stream, one line per field, its logo an http(s)
// address or nothing; and every server named is an https base address of a plain host name.
#include "FuzzCheck.h"
#include "catalogue/DirectoryExport.h"
#include "catalogue/FieldReader.h"
#include "catalogue/StationInfo.h"
#include "catalogue/StationRecord.h"
#include "platform/UrlOpener.h"

using namespace lumo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ExportOptions options;
    options.fewestPerGenre = size % 4;
    if (const auto catalogue = catalogueFromExport(json, options)) {
        FieldReader reader(catalogue->list);
        const StationInfoIndex info =
            readStationInfo(stationInfoText("https://server", catalogue->info));
        check(info.server == "https://server", "the server reads back");
        std::size_t records = 0;
        while (const auto record = readStationRecord(reader)) {
            ++records;
            check(record->kind == "RADIO" && record->complete(), "only whole radio records");
            check(isNetworkAddress(record->streamUrl), "only streams the player opens");
            const StationInfo* known = info.find(record->streamUrl);
            check(known != nullptr, "each station is known by its stream");
            for (const std::string* text :
                 {&known->country, &known->languages, &known->tags, &known->codec, &known->logo}) {
                check(text->find_first_of("\r\n") == std::string::npos, "fields are one line");
            }
            check(known->logo.empty() || isNetworkAddress(known->logo), "logos are addresses");
        }
        check(reader.atEnd(), "the list reads back to its end");
        check(records == catalogue->info.size(), "one record of each per station");
    }
    for (const QString& server : directoryServersFrom(json)) {
        check(server.startsWith(QStringLiteral("https://")), "servers are https");
        check(!server.mid(8).contains(QLatin1Char('/')) &&
                  !server.mid(8).contains(QLatin1Char('@')),
              "servers are plain host names");
    }
    return 0;
}
