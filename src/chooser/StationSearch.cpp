#include "chooser/StationSearch.h"

#include "catalogue/FoldedText.h"

#include <QCoreApplication>
#include <QStringList>
#include <unordered_set>

namespace lumo {

StationSearch::Index StationSearch::index(const std::vector<std::string>& names) {
    std::vector<Entry> stations;
    stations.reserve(names.size());
    for (const std::string& name : names) {
        stations.push_back({name, {}});
    }
    return index(stations, {});
}

StationSearch::Index StationSearch::index(const std::vector<Entry>& stations,
                                          const StationInfoIndex& info) {
    Index index;
    std::unordered_set<std::string> seen;
    for (const auto& [name, stream] : stations) {
        if (!seen.insert(name).second) {
            continue;
        }
        index.names.push_back(name);
        const QString foldedName = foldedText(QString::fromStdString(name));
        index.folded.push_back(foldedName);
        const StationInfo* known = stream.empty() ? nullptr : info.find(stream);
        if (known == nullptr) {
            index.about.emplace_back();
            continue;
        }
        // Tags are written "jazz,smooth jazz": commas part words as blanks do.
        QString about = QString::fromStdString(known->country + " " + known->countryCode + " " +
                                               known->languages + " " + known->tags);
        about.replace(QLatin1Char(','), QLatin1Char(' '));
        index.about.push_back(foldedName + QLatin1Char(' ') + foldedText(about));
        if (QString tip = tipFor(*known); !tip.isEmpty()) {
            index.tips.emplace(name, std::move(tip));
        }
        if (!known->logo.empty()) {
            index.logos.emplace(name, known->logo);
        }
    }
    return index;
}

QString StationSearch::tipFor(const StationInfo& info) {
    QStringList parts;
    for (const std::string* text : {&info.country, &info.languages, &info.codec}) {
        if (!text->empty()) {
            parts << QString::fromStdString(*text);
        }
    }
    if (!info.bitrate.empty()) {
        parts << QCoreApplication::translate("StationSearch", "%1 kbit/s")
                     .arg(QString::fromStdString(info.bitrate));
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

QString StationSearch::tip(const std::string& name) const {
    const auto it = m_index.tips.find(name);
    return it == m_index.tips.end() ? QString() : it->second;
}

std::string StationSearch::logo(const std::string& name) const {
    const auto it = m_index.logos.find(name);
    return it == m_index.logos.end() ? std::string() : it->second;
}

std::vector<std::string> StationSearch::find(const QString& text, std::size_t limit) const {
    const QString query = foldedText(text);
    const QStringList words = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return {};
    }
    std::vector<std::string> starting;
    std::vector<std::string> holding;
    std::vector<std::string> about;
    const auto holdsAll = [&words](const QString& haystack) {
        return std::all_of(words.begin(), words.end(),
                           [&](const QString& word) { return haystack.contains(word); });
    };
    const auto& names = m_index.names;
    for (std::size_t i = 0; i < names.size() && starting.size() < limit; ++i) {
        const QString& name = m_index.folded[i];
        if (name.startsWith(query)) {
            starting.push_back(names[i]);
        } else if (holding.size() < limit && holdsAll(name)) {
            holding.push_back(names[i]);
        } else if (holding.size() + about.size() < limit && !m_index.about[i].isEmpty() &&
                   holdsAll(m_index.about[i])) {
            about.push_back(names[i]);
        }
    }
    for (auto* tier : {&holding, &about}) {
        for (std::string& name : *tier) {
            if (starting.size() >= limit) {
                break;
            }
            starting.push_back(std::move(name));
        }
    }
    return starting;
}

} // namespace lumo
