#pragma once

#include "catalogue/StationInfo.h"

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// What shapes the station list made from the community radio directory's export.
struct ExportOptions {
    long minVotes = 0;
    QStringList countries; // country codes to keep; empty: every country
    int maxPerGenre = 0;   // 0: no limit
    // Genres with fewer stations than this fold into "Other" (0: none do).
    int fewestPerGenre = 0;
};

// The genre the station's free-text tags name first, from a small curated table of genres a
// listener recognises (synonyms and other languages' words mapped: "top 40" and "schlager"
// are genres, "nachrichten" is news); "Other" when none of its tags is known.
QString genreForTags(const QString& tags);

// Genres with fewer stations than this are no help in a genre box.
inline constexpr int kFewestPerGenre = 5;

// What the directory's answer gives: the station list, and what the list's six fields cannot
// hold, by station.
struct DirectoryCatalogue {
    std::string list;
    std::vector<StationInfo> info;
};

// A Lumo.csv, in the catalogue files' syntax, from the JSON array the directory's
// json/stations endpoint returns: radio stations whose last check succeeded and whose stream
// the player would open, names made unique, sorted by genre ("Other" last, holding the
// genres with fewer than `fewestPerGenre` stations) and then by votes. Nothing when the export
// is not a JSON array.
std::optional<DirectoryCatalogue> catalogueFromExport(const QByteArray& json,
                                                      const ExportOptions& options);
std::optional<std::string> stationListFromExport(const QByteArray& json,
                                                 const ExportOptions& options);

// The directory's servers, as base addresses ("https://de1.api.radio-browser.info"), from the
// JSON array its json/servers endpoint returns; names that are not host names are left out.
QStringList directoryServersFrom(const QByteArray& json);

} // namespace lumo
