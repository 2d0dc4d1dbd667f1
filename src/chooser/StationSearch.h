#pragma once

#include "catalogue/StationInfo.h"

#include <QString>
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace lumo {

// Finds stations as a listener types: by name, and by what the directory says of them
// (country, language, tags); case and accents ignored ("cafe" finds "Café Müller"), the words
// in any order ("france jazz" finds the French jazz stations). Names that start with the text
// come first, then names that hold its words, then stations whose name, country, language
// and tags together hold them; otherwise the catalogue's order stands. The text is folded
// once, when the stations are given, so that each keystroke only compares.
class StationSearch {
public:
    // A station of the list: its name and its stream (the key to what is known of it).
    struct Entry {
        std::string name;
        std::string stream;
    };
    // The stations to search, folded: made once, on any thread.
    struct Index {
        std::vector<std::string> names;
        std::vector<QString> folded;
        std::vector<QString> about; // the folded country, languages and tags, or empty
        std::unordered_map<std::string, QString> tips;      // by name
        std::unordered_map<std::string, std::string> logos; // addresses, by name
    };
    // The index of `names`, in catalogue order (a name listed twice is kept once).
    static Index index(const std::vector<std::string>& names);
    static Index index(const std::vector<Entry>& stations, const StationInfoIndex& info);

    void setStations(const std::vector<std::string>& names) { setIndex(index(names)); }
    void setIndex(Index index) { m_index = std::move(index); }
    std::size_t size() const { return m_index.names.size(); }

    // At most `limit` names that match `text`, best first.
    std::vector<std::string> find(const QString& text, std::size_t limit) const;
    // What the list's tooltip says of a station: country, language, codec and bit rate (empty
    // when nothing is known).
    QString tip(const std::string& name) const;
    // The address of a station's logo (empty without one), and whether any station has one.
    std::string logo(const std::string& name) const;
    bool hasLogos() const { return !m_index.logos.empty(); }

    // The tooltip for what is known of a station.
    static QString tipFor(const StationInfo& info);

private:
    Index m_index;
};

} // namespace lumo
