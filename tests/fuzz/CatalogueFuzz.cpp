// The catalogue operations on real files holding any bytes: the input is the station list, the
// default station file and the advert link file at once. Every station the chooser lists can be
// played by its name, and a station saved as the default loads back as it was saved.
#include "Fakes.h"
#include "FuzzCheck.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/FileIO.h"
#include "platform/AppFolder.h"

#include <QTemporaryDir>
#include <string>
#include <vector>

using namespace lumo;
using fuzz::check;

namespace {

struct Catalogue {
    QTemporaryDir dir;
    AppFolder folder{dir.path().toStdString()};
    ProgramState state;
    test::FakeMediaPlayer player;
    test::RecordingUrlOpener shell;
    test::RecordingMessageBoxes messages;
    test::RecordingWindowLink window;
    FILEIO io{state, folder, player, shell, messages, window};
};

Station asWritten(Station s) {
    for (auto* field : {&s.kind, &s.name, &s.webPage, &s.streamUrl, &s.liveFeedUrl}) {
        *field = FieldWriter::asWritten(*field);
    }
    return s;
}

void playEveryListedStation(Catalogue& c, const std::string& kind) {
    c.state.CurrentStation.kind = kind;
    c.state.preselectGenre.clear();
    test::RecordingChooser chooser;
    c.io.FillGenreList(chooser);
    for (const auto& genre : chooser.genres) {
        check(!genre.empty(), "no empty genre is offered");
        chooser.setGenreText(genre);
        c.state.selectedGenre = genre;
        c.io.FillStationList(chooser);
        for (const auto& name : chooser.stations) {
            c.state.CurrentStation.kind = kind;
            c.state.chosenStationName = name;
            c.io.LoadChosenStation();
            check(c.state.CurrentStation.name == name, "a listed station plays by its name");
            check(c.player.url == c.state.CurrentStation.streamUrl, "its stream is played");

            c.io.SaveDefaultStation();
            const Station saved = asWritten(c.state.CurrentStation);
            c.state.CurrentStation = {};
            c.io.LoadDefaultStation();
            check(c.state.CurrentStation == saved, "the default loads back as saved");
            c.io.ReturnToDefaultStation();
            check(FieldWriter::asWritten(c.state.CurrentStation.name) == c.state.defaultStationName,
                  "going home finds the default by its name");
            c.state.CurrentStation.kind = kind;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::bytesOf(data, size);
    Catalogue c;
    for (const char* name : {"Lumo.csv", "DEFAULT", "image2url.csv", "DEFAULTVIEWER"}) {
        check(replaceFileAtomically(c.folder.path() / name, bytes), "the input is written");
    }
    c.io.LoadViewerPreference();
    check(c.state.useDefaultViewer == 0 || c.state.useDefaultViewer == 1, "a viewer is chosen");
    c.state.useDefaultViewer = 0;
    c.io.LoadDefaultStation();
    check(!c.state.CurrentStation.name.empty() && !c.state.CurrentStation.streamUrl.empty(),
          "some station is always current");
    for (std::int16_t n = 2; n < 6; ++n) {
        c.state.advertNumber = n;
        c.io.ReadAdvertLink();
    }
    playEveryListedStation(c, "RADIO");
    playEveryListedStation(c, "TV");
    return 0;
}
