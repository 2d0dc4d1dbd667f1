#include "chooser/StationSearch.h"

#include <QStringList>
#include <unordered_set>

namespace lumo {

QString StationSearch::folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const auto category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing) {
            continue;
        }
        out += c;
    }
    return out.toCaseFolded().simplified();
}

StationSearch::Index StationSearch::index(const std::vector<std::string>& names) {
    Index index;
    std::unordered_set<std::string> seen;
    for (const std::string& name : names) {
        if (!seen.insert(name).second) {
            continue;
        }
        index.names.push_back(name);
        index.folded.push_back(folded(QString::fromStdString(name)));
    }
    return index;
}

std::vector<std::string> StationSearch::find(const QString& text, std::size_t limit) const {
    const QString query = folded(text);
    const QStringList words = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return {};
    }
    std::vector<std::string> starting;
    std::vector<std::string> holding;
    const auto& [names, folded] = m_index;
    for (std::size_t i = 0; i < names.size() && starting.size() < limit; ++i) {
        const QString& name = folded[i];
        if (name.startsWith(query)) {
            starting.push_back(names[i]);
            continue;
        }
        if (holding.size() < limit &&
            std::all_of(words.begin(), words.end(),
                        [&](const QString& word) { return name.contains(word); })) {
            holding.push_back(names[i]);
        }
    }
    for (std::string& name : holding) {
        if (starting.size() >= limit) {
            break;
        }
        starting.push_back(std::move(name));
    }
    return starting;
}

} // namespace lumo
