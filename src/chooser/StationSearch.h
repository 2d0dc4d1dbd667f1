#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// Finds stations by name as a listener types: case and accents ignored ("cafe" finds "Café
// Müller"), the words in any order. A name that starts with the text comes before one that
// only holds its words; otherwise the catalogue's order stands. The names are folded once,
// when they are given, so that each keystroke only compares.
class StationSearch {
public:
    // The stations to search, folded: made once, on any thread.
    struct Index {
        std::vector<std::string> names;
        std::vector<QString> folded;
    };
    // The index of `names`, in catalogue order (a name listed twice is kept once).
    static Index index(const std::vector<std::string>& names);

    void setStations(const std::vector<std::string>& names) { setIndex(index(names)); }
    void setIndex(Index index) { m_index = std::move(index); }
    std::size_t size() const { return m_index.names.size(); }

    // At most `limit` names that match `text`, best first.
    std::vector<std::string> find(const QString& text, std::size_t limit) const;

    // Text as it is compared: case folded, accents and other marks taken off, runs of
    // blanks made one.
    static QString folded(const QString& text);

private:
    Index m_index;
};

} // namespace lumo
