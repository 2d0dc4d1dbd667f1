#pragma once

#include <string>

namespace lumo {

// What the station list operations fill in the station chooser.
class ChooserView {
public:
    virtual ~ChooserView() = default;
    virtual void addGenre(const std::string& genre) = 0;
    virtual std::string genreText() const = 0;
    virtual void setGenreText(const std::string& text) = 0;
    virtual void clearStations() = 0;
    virtual void addStation(const std::string& name) = 0;
    virtual void showChooser() = 0;
};

} // namespace lumo
