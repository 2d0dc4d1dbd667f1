#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <string>

namespace lumo {

// What shapes the station list made from the community radio directory's export.
struct ExportOptions {
    long minVotes = 0;
    QStringList countries; // country codes to keep; empty: every country
    int maxPerGenre = 0;   // 0: no limit
};

// The genre the station's free-text tags name first, from a small curated map; "Other" when
// none of its tags is known.
QString genreForTags(const QString& tags);

// A Lumo.csv, in the catalogue files' syntax, from the JSON array the directory's
// json/stations endpoint returns: radio stations whose last check succeeded and whose stream
// the player would open, names made unique, sorted by genre and then by votes. Nothing when
// the export is not a JSON array.
std::optional<std::string> stationListFromExport(const QByteArray& json,
                                                 const ExportOptions& options);

// The directory's servers, as base addresses ("https://de1.api.radio-browser.info"), from the
// JSON array its json/servers endpoint returns; names that are not host names are left out.
QStringList directoryServersFrom(const QByteArray& json);

} // namespace lumo
