// The directory update's work on a whole directory's answer (made by bench/directory.sh): the
// conversion into the station list and STATIONINFO as the player does it off its window's
// thread, its peak memory, and then the chooser on the result: its first fill, the search's
// index, and the slowest keystroke typing a country and a tag.
#include "CatalogueRig.h"
#include "Median.h"
#include "TempFolder.h"
#include "catalogue/DirectoryExport.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FileIO.h"
#include "catalogue/StationRecord.h"
#include "chooser/StationSearch.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s answer.json\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray answer = file.readAll();
    lumo::ExportOptions options;
    options.fewestPerGenre = lumo::kFewestPerGenre;
    std::optional<lumo::DirectoryCatalogue> made;
    std::string infoText;
    const double convert = lumo::bench::medianMs(3, [&] {
        made = lumo::catalogueFromExport(answer, options);
        infoText = made ? lumo::stationInfoText("https://directory.example", made->info) : "";
        return made.has_value();
    });
    if (!made) {
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);

    lumo::test::TempFolder dir;
    dir.write("Lumo.csv", made->list);
    dir.write(lumo::kStationInfoFile, infoText);
    lumo::bench::CatalogueRig rig(dir.path());
    lumo::ProgramState& state = rig.state;
    lumo::FILEIO& io = rig.io;
    lumo::bench::CountingChooser& chooser = rig.chooser;
    const double fill = lumo::bench::medianMs(7, [&] {
        state.CurrentStation.kind = "RADIO";
        state.preselectGenre.clear();
        chooser = lumo::bench::CountingChooser{};
        io.FillGenreList(chooser);
        return chooser.genres > 0;
    });

    // The search's index, as the chooser makes it off its window's thread.
    lumo::StationSearch search;
    const double index = lumo::bench::medianMs(3, [&] {
        const auto list = lumo::readWholeFile(dir.path() / "Lumo.csv");
        const auto info = lumo::readWholeFile(dir.path() / lumo::kStationInfoFile);
        std::vector<lumo::StationSearch::Entry> stations;
        lumo::FieldReader reader(*list);
        while (const auto record = lumo::readStationRecord(reader)) {
            if (record->kind == "RADIO" && record->complete()) {
                stations.push_back({record->name, record->streamUrl});
            }
        }
        search.setIndex(lumo::StationSearch::index(stations, lumo::readStationInfo(*info)));
        return search.size() > 0;
    });
    QListWidget list;
    std::size_t shown = 0;
    const auto slowestTyping = [&](const QString& typed) {
        double slowest = 0;
        for (qsizetype n = 1; n <= typed.size(); ++n) {
            slowest = std::max(slowest, lumo::bench::medianMs(7, [&] {
                                   list.clear();
                                   const auto found = search.find(typed.left(n), 200);
                                   for (const std::string& name : found) {
                                       list.addItem(QString::fromStdString(name));
                                   }
                                   shown = found.size();
                                   return true;
                               }));
        }
        return slowest;
    };
    const double franceJazz = slowestTyping(QStringLiteral("france jazz"));
    const std::size_t franceJazzShown = shown;
    const double deutsch = slowestTyping(QStringLiteral("deutsch"));

    std::printf("answer: %lld bytes; %zu stations kept\n", static_cast<long long>(answer.size()),
                made->info.size());
    std::printf("conversion (list and STATIONINFO): %8.1f ms, peak memory %ld MiB\n", convert,
                usage.ru_maxrss / 1024);
    std::printf("chooser's first fill (genres and the first genre's stations): %6.2f ms "
                "(%d genres, %d stations)\n",
                fill, chooser.genres, chooser.stations);
    std::printf("search index (off the window's thread): %8.1f ms for %zu stations\n", index,
                search.size());
    std::printf("slowest keystroke: \"france jazz\" %6.2f ms (%zu shown), \"deutsch\" %6.2f ms "
                "(aim <= 16)\n",
                franceJazz, franceJazzShown, deutsch);
    return 0;
}
