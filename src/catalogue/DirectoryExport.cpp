#include "catalogue/DirectoryExport.h"

#include "catalogue/FieldWriter.h"
#include "platform/UrlOpener.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <algorithm>
#include <map>
#include <vector>

namespace lumo {

namespace {

// Tag words and the genre each stands for, looked for in the station's own tag order.
const std::vector<std::pair<QString, QString>>& genreMap() {
    static const std::vector<std::pair<QString, QString>> map = {
        {"news", "News and Talk"},
        {"talk", "News and Talk"},
        {"sport", "Sports"},
        {"jazz", "Jazz"},
        {"blues", "Blues"},
        {"classical", "Classical"},
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

} // namespace

QString genreForTags(const QString& tags) {
    for (const QString& raw : tags.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString tag = raw.trimmed().toLower();
        for (const auto& [word, genre] : genreMap()) {
            if (tag == word || tag.startsWith(word + QLatin1Char(' ')) ||
                tag.endsWith(QLatin1Char(' ') + word)) {
                return genre;
            }
        }
    }
    return QStringLiteral("Other");
}

std::optional<std::string> stationListFromExport(const QByteArray& json,
                                                 const ExportOptions& options) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isArray()) {
        return std::nullopt;
    }
    std::vector<Station> stations;
    for (const QJsonValue& value : document.array()) {
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
        stations.push_back({genreForTags(entry.value(QStringLiteral("tags")).toString()), name,
                            network(page) ? page : QStringLiteral("NONE"), stream, votes});
    }
    // Best first within each genre; the best keeps a shared name as it stands.
    std::ranges::stable_sort(stations, [](const Station& a, const Station& b) {
        return std::tie(a.genre, b.votes, a.name) < std::tie(b.genre, a.votes, b.name);
    });
    std::map<QString, int> perGenre;
    QSet<QString> names;
    FieldWriter out;
    for (const Station& station : stations) {
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
    }
    return out.bytes();
}

QStringList directoryServersFrom(const QByteArray& json) {
    QStringList servers;
    for (const QJsonValue& value : QJsonDocument::fromJson(json).array()) {
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
