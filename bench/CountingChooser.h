#pragma once

#include "catalogue/ChooserView.h"

#include <string>

namespace lumo::bench {

// A chooser that only counts what it is given: the catalogue's work without a widget's.
class CountingChooser : public ChooserView {
public:
    void addGenre(const std::string&) override { ++genres; }
    std::string genreText() const override { return text; }
    void setGenreText(const std::string& t) override { text = t; }
    void clearStations() override { stations = 0; }
    void addStation(const std::string&) override { ++stations; }
    void showChooser() override {}
    int genres = 0, stations = 0;
    std::string text;
};

} // namespace lumo::bench
