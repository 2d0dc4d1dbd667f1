// Station list benchmark: a generated catalogue of 50,000 stations (not kept), timing the
// chooser's genre and station lists and loading the last station, against one plain read.
#include "Fakes.h"
#include "Median.h"
#include "TempFolder.h"
#include "catalogue/ChooserView.h"
#include "catalogue/FileIO.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class CountingChooser : public lumo::ChooserView {
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

} // namespace

int main(int argc, char** argv) {
    const int stations = argc > 1 ? std::atoi(argv[1]) : 50000;
    lumo::test::TempFolder dir;
    std::string csv;
    for (int i = 0; i < stations; ++i) {
        const char* kind = i < stations * 4 / 5 ? "RADIO" : "TV";
        const int genre = i / 250;
        csv += "\"" + std::string(kind) + "\",\"Genre " + std::to_string(genre) + "\",\"Station " +
               std::to_string(i) + "\",\"http://www.example.org/" + std::to_string(i) +
               "\",\"http://stream.example.org/" + std::to_string(i) + ".mp3\",\"NONE\"\r\n";
    }
    dir.write("Lumo.csv", csv);
    const lumo::AppFolder folder(dir.path());
    lumo::ProgramState state;
    lumo::test::FakeMediaPlayer player;
    lumo::test::RecordingUrlOpener shell;
    lumo::test::RecordingMessageBoxes messages;
    lumo::test::RecordingWindowLink window;
    lumo::FILEIO io(state, folder, player, shell, messages, window);
    CountingChooser chooser;

    const double read = lumo::bench::medianMs(
        7, [&] { return lumo::readWholeFile(dir.path() / "Lumo.csv").has_value(); });
    const double lists = lumo::bench::medianMs(7, [&] {
        state.CurrentStation.kind = "RADIO";
        state.preselectGenre.clear();
        chooser = CountingChooser{};
        io.FillGenreList(chooser);
        return true;
    });
    const double load = lumo::bench::medianMs(7, [&] {
        state.CurrentStation.kind = "TV";
        state.chosenStationName = "Station " + std::to_string(stations - 1);
        io.LoadChosenStation();
        return !state.CurrentStation.streamUrl.empty();
    });
    std::printf("catalogue: %d stations, %zu bytes\n", stations, csv.size());
    std::printf("plain read of the file:            %8.2f ms\n", read);
    std::printf("FillGenreList + FillStationList:   %8.2f ms (%d genres, %d stations listed)\n",
                lists, chooser.genres, chooser.stations);
    std::printf("LoadChosenStation (last station):  %8.2f ms (%s)\n", load, player.url.c_str());
    return 0;
}
