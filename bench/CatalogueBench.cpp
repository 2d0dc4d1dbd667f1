// Station list benchmark: a generated catalogue of 50,000 stations (not kept), timing the
// chooser's genre and station lists and loading the last station, against one plain read; and
// finding by name: reading the names into the search once, and each keystroke (the search and
// the list of matches filled) as "station 4999" is typed, and a text that matches nothing.
#include "CatalogueRig.h"
#include "Median.h"
#include "TempFolder.h"
#include "catalogue/FileIO.h"
#include "chooser/StationSearch.h"

#include <QApplication>
#include <QListWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
    lumo::bench::CatalogueRig rig(dir.path());
    lumo::ProgramState& state = rig.state;
    lumo::FILEIO& io = rig.io;
    lumo::bench::CountingChooser& chooser = rig.chooser;

    const double read = lumo::bench::medianMs(
        7, [&] { return lumo::readWholeFile(dir.path() / "Lumo.csv").has_value(); });
    const double lists = lumo::bench::medianMs(7, [&] {
        state.CurrentStation.kind = "RADIO";
        state.preselectGenre.clear();
        chooser = lumo::bench::CountingChooser{};
        io.FillGenreList(chooser);
        return true;
    });
    const double load = lumo::bench::medianMs(7, [&] {
        state.CurrentStation.kind = "TV";
        state.chosenStationName = "Station " + std::to_string(stations - 1);
        io.LoadChosenStation();
        return !state.CurrentStation.streamUrl.empty();
    });
    lumo::StationSearch search;
    const double index = lumo::bench::medianMs(7, [&] {
        search.setStations(io.stationNames("RADIO"));
        return search.size() > 0;
    });
    QListWidget list;
    std::size_t shown = 0;
    const auto keystroke = [&](const QString& text) {
        list.clear();
        const auto found = search.find(text, 200);
        for (const std::string& name : found) {
            list.addItem(QString::fromStdString(name));
        }
        shown = found.size();
        return true;
    };
    double slowest = 0;
    const QString typed = QStringLiteral("station 4999");
    for (qsizetype n = 1; n <= typed.size(); ++n) {
        slowest =
            std::max(slowest, lumo::bench::medianMs(7, [&] { return keystroke(typed.left(n)); }));
    }
    const double none = lumo::bench::medianMs(7, [&] { return keystroke(QStringLiteral("zzz")); });

    // The same stations with what the directory says of them: found by country and tag too.
    lumo::StationInfoIndex info;
    std::vector<lumo::StationSearch::Entry> entries;
    const char* countries[] = {"France", "Germany", "Japan", "Spain", "Brazil"};
    const char* tags[] = {"jazz,smooth jazz", "pop,hits", "news,talk", "rock", "classical"};
    for (int i = 0; i < stations; ++i) {
        const std::string stream = "http://s" + std::to_string(i) + ".example/live";
        entries.push_back({"Station " + std::to_string(i), stream});
        info.byStream[stream] = {
            stream, "id", "FR", countries[i % 5], "french", tags[i % 7 % 5], "MP3", "128", "", ""};
    }
    const double described = lumo::bench::medianMs(3, [&] {
        search.setIndex(lumo::StationSearch::index(entries, info));
        return search.size() > 0;
    });
    double slowestAbout = 0;
    const QString about = QStringLiteral("france jazz");
    for (qsizetype n = 1; n <= about.size(); ++n) {
        slowestAbout = std::max(slowestAbout,
                                lumo::bench::medianMs(7, [&] { return keystroke(about.left(n)); }));
    }
    const double noneAbout =
        lumo::bench::medianMs(7, [&] { return keystroke(QStringLiteral("zzz")); });
    std::printf("catalogue: %d stations, %zu bytes\n", stations, csv.size());
    std::printf("plain read of the file:            %8.2f ms\n", read);
    std::printf("FillGenreList + FillStationList:   %8.2f ms (%d genres, %d stations listed)\n",
                lists, chooser.genres, chooser.stations);
    std::printf("LoadChosenStation (last station):  %8.2f ms (%s)\n", load, rig.player.url.c_str());
    std::printf("search: names read and folded:     %8.2f ms (%zu radio stations; off the window's "
                "thread)\n",
                index, search.size());
    std::printf("search: slowest keystroke typing \"station 4999\": %6.2f ms (aim <= 16)\n",
                slowest);
    std::printf("search: a text that matches none:  %8.2f ms\n", none);
    std::printf("search with country, language, tags: folded %8.2f ms; slowest keystroke typing "
                "\"france jazz\" %6.2f ms (aim <= 16); none matches %6.2f ms (%zu shown)\n",
                described, slowestAbout, noneAbout, shown);
    return 0;
}
