#include "catalogue/DirectoryExport.h"

#include "catalogue/FieldWriter.h"
#include "catalogue/FoldedText.h"
#include "platform/UrlOpener.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <vector>

namespace lumo {

namespace {

// Tag words and the genre each stands for, looked for in the station's own tag order.
const std::vector<std::pair<QString, QString>>& genreMap() {
    static const std::vector<std::pair<QString, QString>> map = {
        {"news", "News and Talk"},
        {"talk", "News and Talk"},
        {"information", "News and Talk"},
        {"info", "News and Talk"},
        {"nachrichten", "News and Talk"},
        {"noticias", "News and Talk"},
        {"actualites", "News and Talk"},
        {"notizie", "News and Talk"},
        {"sport", "Sports"},
        {"sports", "Sports"},
        {"deportes", "Sports"},
        {"futbol", "Sports"},
        {"football", "Sports"},
        {"jazz", "Jazz"},
        {"blues", "Blues"},
        {"classical", "Classical"},
        {"klassik", "Classical"},
        {"clasica", "Classical"},
        {"classique", "Classical"},
        {"opera", "Classical"},
        {"baroque", "Classical"},
        {"ambient", "Ambient"},
        {"chillout", "Chillout"},
        {"lounge", "Chillout"},
        {"downtempo", "Chillout"},
        {"house", "Electronic"},
        {"techno", "Electronic"},
        {"trance", "Electronic"},
        {"electronic", "Electronic"},
        {"electro", "Electronic"},
        {"dance", "Dance"},
        {"edm", "Dance"},
        {"hip hop", "Hip Hop"},
        {"hiphop", "Hip Hop"},
        {"rap", "Hip Hop"},
        {"r&b", "Soul and R&B"},
        {"rnb", "Soul and R&B"},
        {"soul", "Soul and R&B"},
        {"funk", "Funk"},
        {"reggae", "Reggae"},
        {"metal", "Metal"},
        {"punk", "Punk"},
        {"indie", "Indie"},
        {"alternative", "Alternative"},
        {"rock", "Rock"},
        {"oldies", "Oldies"},
        {"80s", "Decades"},
        {"70s", "Decades"},
        {"90s", "Decades"},
        {"60s", "Decades"},
        {"country", "Country"},
        {"folk", "Folk"},
        {"world", "World"},
        {"latin", "Latin"},
        {"salsa", "Latin"},
        {"christian", "Religious"},
        {"gospel", "Religious"},
        {"religious", "Religious"},
        {"children", "Children"},
        {"kids", "Children"},
        {"comedy", "Comedy"},
        {"soundtrack", "Soundtracks"},
        {"schlager", "Schlager"},
        {"eclectic", "Eclectic"},
        {"variety", "Eclectic"},
        {"pop", "Pop"},
        {"hits", "Pop"},
        {"top 40", "Pop"},
        {"top40", "Pop"},
        {"charts", "Pop"},
        {"adult contemporary", "Pop"},
        {"variete", "Pop"},
        {"variete francaise", "Pop"},
        {"chanson", "Pop"},
        {"love songs", "Pop"},
        {"j-pop", "Pop"},
        {"jpop", "Pop"},
        {"k-pop", "Pop"},
        {"kpop", "Pop"},
        {"anime", "Pop"},
        {"bollywood", "World"},
        {"filmi", "World"},
        {"hindi", "World"},
        {"volksmusik", "Schlager"},
        {"community", "Community"},
        {"college", "Community"},
        {"public radio", "Public Radio"},
    };
    return map;
}

struct Station {
    QString genre;
    QString name;
    QString page;
    QString stream;
    long votes = 0;
    StationInfo info;
};

// Plain one-line text: control characters (line breaks among them) become spaces.
QString oneLine(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        }
    }
    return out.simplified();
}

bool network(const QString& address) {
    return isNetworkAddress(address.toStdString());
}

// A field of the answer as one line of at most `longest` characters.
std::string field(const QJsonObject& entry, const char* key, int longest = 200) {
    return oneLine(entry.value(QLatin1String(key)).toString()).left(longest).toStdString();
}

// An address a picture may be fetched from: http or https.
std::string pictureAddress(const QJsonObject& entry) {
    const QString address = entry.value(QStringLiteral("favicon")).toString().trimmed();
    const bool web = address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive) ||
                     address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
    return web && network(address) && address.size() <= 1000 ? address.toStdString()
                                                             : std::string();
}

} // namespace

QString genreForTags(const QString& tags) {
    for (const QString& raw : tags.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString tag = foldedText(raw);
        for (const auto& [word, genre] : genreMap()) {
            if (tag == word || tag.startsWith(word + QLatin1Char(' ')) ||
                tag.endsWith(QLatin1Char(' ') + word)) {
                return genre;
            }
        }
    }
    return QStringLiteral("Other");
}

std::optional<DirectoryCatalogue> catalogueFromExport(const QByteArray& json,
                                                      const ExportOptions& options) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isArray()) {
        return std::nullopt;
    }
    std::vector<Station> stations;
    for (const auto& value : document.array()) {
        const QJsonObject entry = value.toObject();
        if (entry.value(QStringLiteral("lastcheckok")).toInt() != 1) {
            continue;
        }
        const long votes = entry.value(QStringLiteral("votes")).toInteger();
        if (votes < options.minVotes) {
            continue;
        }
        const QString country = entry.value(QStringLiteral("countrycode")).toString().toUpper();
        if (!options.countries.isEmpty() && !options.countries.contains(country)) {
            continue;
        }
        QString stream = entry.value(QStringLiteral("url_resolved")).toString().trimmed();
        if (stream.isEmpty()) {
            stream = entry.value(QStringLiteral("url")).toString().trimmed();
        }
        const QString name = oneLine(entry.value(QStringLiteral("name")).toString()).left(200);
        if (name.isEmpty() || !network(stream)) {
            continue;
        }
        const QString page = entry.value(QStringLiteral("homepage")).toString().trimmed();
        const QString tags = entry.value(QStringLiteral("tags")).toString();
        const long bitrate = entry.value(QStringLiteral("bitrate")).toInteger();
        StationInfo info{stream.toStdString(),
                         field(entry, "stationuuid", 64),
                         oneLine(country).left(8).toStdString(),
                         field(entry, "country"),
                         field(entry, "language"),
                         field(entry, "tags", 500),
                         field(entry, "codec", 32),
                         bitrate > 0 && bitrate < 100000 ? std::to_string(bitrate) : "",
                         pictureAddress(entry),
                         network(page) ? page.toStdString() : ""};
        stations.push_back({genreForTags(tags), name, network(page) ? page : QStringLiteral("NONE"),
                            stream, votes, std::move(info)});
    }
    // A genre of a few stations is no help in the genre box: they join "Other".
    std::map<QString, int> perGenre;
    for (const Station& station : stations) {
        ++perGenre[station.genre];
    }
    const QString other = QStringLiteral("Other");
    for (Station& station : stations) {
        if (perGenre[station.genre] < options.fewestPerGenre) {
            station.genre = other;
        }
    }
    // Best first within each genre, "Other" last; the best keeps a shared name as it stands.
    std::ranges::stable_sort(stations, [&other](const Station& a, const Station& b) {
        return std::make_tuple(a.genre == other, std::cref(a.genre), b.votes, std::cref(a.name)) <
               std::make_tuple(b.genre == other, std::cref(b.genre), a.votes, std::cref(b.name));
    });
    perGenre.clear();
    QSet<QString> names;
    FieldWriter out;
    DirectoryCatalogue catalogue;
    for (Station& station : stations) {
        if (options.maxPerGenre > 0 && ++perGenre[station.genre] > options.maxPerGenre) {
            continue;
        }
        // Names find stations again, as the file writes them (a double quote becomes ').
        QString name = station.name;
        name.replace(QLatin1Char('"'), QLatin1Char('\''));
        QString unique = name;
        for (int n = 2; names.contains(unique.toCaseFolded()); ++n) {
            unique = QStringLiteral("%1 (%2)").arg(name).arg(n);
        }
        names.insert(unique.toCaseFolded());
        out.text("RADIO")
            .text(station.genre.toStdString())
            .text(unique.toStdString())
            .text(station.page.toStdString())
            .text(station.stream.toStdString())
            .text("NONE")
            .endRecord();
        catalogue.info.push_back(std::move(station.info));
    }
    catalogue.list = out.bytes();
    return catalogue;
}

std::optional<std::string> stationListFromExport(const QByteArray& json,
                                                 const ExportOptions& options) {
    auto catalogue = catalogueFromExport(json, options);
    return catalogue ? std::optional(std::move(catalogue->list)) : std::nullopt;
}

QStringList directoryServersFrom(const QByteArray& json) {
    QStringList servers;
    for (const auto& value : QJsonDocument::fromJson(json).array()) {
        const QString name = value.toObject().value(QStringLiteral("name")).toString().toLower();
        const bool hostName = !name.isEmpty() && name.size() <= 253 &&
                              !name.startsWith(QLatin1Char('.')) &&
                              std::ranges::all_of(name, [](QChar c) {
                                  return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                                         (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                                         c == QLatin1Char('.') || c == QLatin1Char('-');
                              });
        const QString base = QStringLiteral("https://") + name;
        if (hostName && !servers.contains(base)) {
            servers << base;
        }
    }
    return servers;
}

} // namespace lumo
