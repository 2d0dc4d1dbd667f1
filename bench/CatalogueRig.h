#pragma once

#include "Fakes.h"
#include "catalogue/ChooserView.h"
#include "catalogue/FileIO.h"
#include "platform/AppFolder.h"
#include "state/ProgramState.h"

#include <filesystem>
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

// The catalogue's file work over the list in `folder`, with fakes for the rest of the program.
struct CatalogueRig {
    explicit CatalogueRig(const std::filesystem::path& folder) : appFolder(folder) {}
    AppFolder appFolder;
    ProgramState state;
    test::FakeMediaPlayer player;
    test::RecordingUrlOpener shell;
    test::RecordingMessageBoxes messages;
    test::RecordingWindowLink window;
    FILEIO io{state, appFolder, player, shell, messages, window};
    CountingChooser chooser;
};

} // namespace lumo::bench
