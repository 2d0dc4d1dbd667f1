// The community directory's answers on any bytes: a station list made from an export reads
// back as whole radio records whose streams the player would open, and every server named is
// an https base address of a plain host name.
#include "FuzzCheck.h"
#include "catalogue/DirectoryExport.h"
#include "catalogue/FieldReader.h"
#include "catalogue/StationRecord.h"
#include "platform/UrlOpener.h"

using namespace lumo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (const auto list = stationListFromExport(json, {})) {
        FieldReader reader(*list);
        while (const auto record = readStationRecord(reader)) {
            check(record->kind == "RADIO" && record->complete(), "only whole radio records");
            check(isNetworkAddress(record->streamUrl), "only streams the player opens");
        }
        check(reader.atEnd(), "the list reads back to its end");
    }
    for (const QString& server : directoryServersFrom(json)) {
        check(server.startsWith(QStringLiteral("https://")), "servers are https");
        check(!server.mid(8).contains(QLatin1Char('/')) &&
                  !server.mid(8).contains(QLatin1Char('@')),
              "servers are plain host names");
    }
    return 0;
}
