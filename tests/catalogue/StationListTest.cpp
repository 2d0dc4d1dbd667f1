#include "FileIOFixture.h"
#include "TempFolder.h"
#include "catalogue/BuiltInStation.h"
#include "catalogue/ChooserView.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FileIO.h"
#include "catalogue/StationRecord.h"
#include "platform/UrlOpener.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Names = std::vector<std::string>;

using test::RecordingChooser;

std::string record(const std::string& kind, const std::string& genre, const std::string& name,
                   const std::string& stream = "http://127.0.0.1:9/s",
                   const std::string& feed = "NONE") {
    return "\"" + kind + "\",\"" + genre + "\",\"" + name + "\",\"http://page/" + name + "\",\"" +
           stream + "\",\"" + feed + "\"\r\n";
}

class StationListTest : public ::testing::Test, protected test::FileIOFixture {
protected:
    void SetUp() override { state.CurrentStation.kind = "RADIO"; }
    void catalogue(const std::string& text) { dir.write("Lumo.csv", text); }

    RecordingChooser chooser;
};

TEST_F(StationListTest, ConsecutiveGenresCollapseAndTheFirstIsShown) {
    catalogue(record("RADIO", "Rock", "R1") + record("RADIO", "Rock", "R2") +
              record("TV", "News", "T1") + record("RADIO", "Pop", "P1") +
              record("RADIO", "Rock", "R3"));
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.genres, Names({"Rock", "Pop", "Rock"}));
    EXPECT_EQ(chooser.text, "Rock");
    EXPECT_EQ(state.selectedGenre, "Rock");
    EXPECT_EQ(state.preselectGenre, "Rock");
    EXPECT_EQ(chooser.stations, Names({"R1", "R2", "R3"}));
    EXPECT_TRUE(chooser.shown);

    state.CurrentStation.kind = "TV";
    state.preselectGenre.clear();
    chooser = RecordingChooser{};
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.genres, Names({"News"}));
    EXPECT_EQ(chooser.stations, Names({"T1"}));
}

// Own stations join the list: a genre only they have comes last, an own copy of a listed
// station is listed once and plays as edited, and with no list at all they are still offered.
TEST_F(StationListTest, OwnStationsAreListedInTheirGenresAndFoundFirst) {
    catalogue(record("RADIO", "Rock", "R1") + record("RADIO", "Jazz", "J1"));
    dir.write("MYSTATIONS", record("RADIO", "Jazz", "J1", "http://127.0.0.1:9/mine") +
                                record("RADIO", "Kitchen", "K1") + record("TV", "Rock", "T1"));
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.genres, Names({"Rock", "Jazz", "Kitchen"}));
    state.selectedGenre = "Jazz";
    io.FillStationList(chooser);
    EXPECT_EQ(chooser.stations, Names({"J1"}));
    state.chosenStationName = "J1";
    io.LoadChosenStation();
    EXPECT_EQ(state.CurrentStation.streamUrl, "http://127.0.0.1:9/mine");
    EXPECT_EQ(io.stationNames("TV"), Names({"T1"}));

    std::filesystem::remove(dir.path() / "Lumo.csv");
    chooser = RecordingChooser{};
    state.preselectGenre.clear();
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.genres, Names({"Jazz", "Kitchen"}));
    EXPECT_TRUE(chooser.shown);
}

TEST_F(StationListTest, IncompleteRecordsAndOtherKindsAreNeverListed) {
    catalogue(record("RADIO", "Rock", "Listed") + record("RADIO", "Rock", "No stream", "") +
              record("radio", "Rock", "Lower-case kind") + record("RADIO", "", "No genre") +
              record("RADIO", "Rock", ""));
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.genres, Names({"Rock"}));
    EXPECT_EQ(chooser.stations, Names({"Listed"}));
}

TEST_F(StationListTest, APreviousGenreIsOfferedAgainEvenWhenThisKindLacksIt) {
    catalogue(record("RADIO", "Rock", "R1") + record("RADIO", "Jazz", "J1"));
    state.preselectGenre = "Jazz";
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.text, "Jazz");
    EXPECT_EQ(chooser.stations, Names({"J1"}));

    state.preselectGenre = "Opera";
    chooser = RecordingChooser{};
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.text, "Opera");
    EXPECT_TRUE(chooser.stations.empty());
}

TEST_F(StationListTest, AMissingOrEmptyStationListIsReportedAndTheChooserCloses) {
    for (bool empty : {false, true}) {
        if (empty) {
            catalogue("");
        }
        messages.shown.clear();
        window.events.clear();
        io.FillGenreList(chooser);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].first, "No Station file, download the station file first");
        EXPECT_EQ(messages.shown[0].second, MessageBoxes::Icon::Stop);
        EXPECT_EQ(window.events, Names({"show"}));
        EXPECT_EQ(window.chooserClosing, 1000);
        EXPECT_FALSE(chooser.shown);
        EXPECT_EQ(chooser.text, "<placeholder>");
    }
}

TEST_F(StationListTest, TheFirstRecordOfANameLoadsWhicheverGenreItWasListedUnder) {
    catalogue(record("RADIO", "Rock", "Twice", "http://127.0.0.1:9/first") +
              record("RADIO", "Pop", "Twice", "http://127.0.0.1:9/second"));
    state.selectedGenre = "Pop";
    io.FillStationList(chooser);
    EXPECT_EQ(chooser.stations, Names({"Twice"}));
    state.chosenStationName = "Twice";
    io.LoadChosenStation();
    EXPECT_EQ(player.url, "http://127.0.0.1:9/first");
    EXPECT_EQ(player.calls, Names({"stop"}));
    EXPECT_TRUE(player.stretch);
    EXPECT_EQ(state.recordGenre, "Rock");
    EXPECT_EQ(state.shownStationName, "Twice");
}

TEST_F(StationListTest, ANameWithACommaIsListedAndLoadedWhole) {
    catalogue(record("RADIO", "Talk", "News, Sport and Weather", "http://127.0.0.1:9/nsw"));
    io.FillGenreList(chooser);
    EXPECT_EQ(chooser.stations, Names({"News, Sport and Weather"}));
    state.chosenStationName = "News, Sport and Weather";
    io.LoadChosenStation();
    EXPECT_EQ(state.CurrentStation.name, "News, Sport and Weather");
    EXPECT_EQ(player.url, "http://127.0.0.1:9/nsw");
}

TEST_F(StationListTest, NamesInAnyEncodingAreListedAndFoundAgainAsUtf8) {
    const std::string longName(10000, 'n');
    for (const std::string& list :
         {"\xEF\xBB\xBF" + record("RADIO", "Pop", "Caf\xC3\xA9 M\xC3\xBCller") +
              record("RADIO", "Pop", longName),
          record("RADIO", "Pop", "Caf\xE9 M\xFCller") + record("RADIO", "Pop", longName)}) {
        catalogue(list);
        state.preselectGenre.clear();
        io.FillGenreList(chooser);
        const std::string cut = longName.substr(0, 4096);
        ASSERT_EQ(chooser.stations, Names({"Caf\xC3\xA9 M\xC3\xBCller", cut}));
        state.chosenStationName = chooser.stations[0];
        io.LoadChosenStation();
        EXPECT_EQ(state.CurrentStation.name, "Caf\xC3\xA9 M\xC3\xBCller");
        state.chosenStationName = chooser.stations[1];
        io.LoadChosenStation();
        EXPECT_EQ(state.CurrentStation.name, cut);
        // The default station file is written as UTF-8 and reads back the same.
        ASSERT_TRUE(io.writeDefaultStationFile());
        state.CurrentStation = {};
        io.LoadDefaultStation();
        EXPECT_EQ(state.CurrentStation.name, cut);
    }
}

TEST_F(StationListTest, TheDefaultViewerGetsTheChosenStreamAndTheHostedPlayerFallsSilent) {
    catalogue(record("RADIO", "Jazz", "J1", "http://127.0.0.1:9/j1"));
    state.useDefaultViewer = 1;
    state.chosenStationName = "J1";
    io.LoadChosenStation();
    EXPECT_EQ(player.urlsGiven, Names({""}));
    EXPECT_EQ(shell.opened, Names({"http://127.0.0.1:9/j1"}));
}

TEST_F(StationListTest, AChosenNameNotFoundLeavesThePlayerAndEmptiesTheStation) {
    catalogue(record("RADIO", "Jazz", "J1", "http://127.0.0.1:9/j1", "http://cam/j1.jpg"));
    state.CurrentStation = {"RADIO", "Old", "http://old", "http://old/s", "NONE"};
    state.shownStationName = "Old";
    state.chosenStationName = "Gone";
    io.LoadChosenStation();
    EXPECT_TRUE(player.urlsGiven.empty());
    EXPECT_TRUE(player.calls.empty());
    EXPECT_EQ(state.CurrentStation, (Station{"RADIO", "", "", "", "http://cam/j1.jpg"}));
    EXPECT_EQ(state.shownStationName, "");
}

TEST_F(StationListTest, ReturningToTheDefaultStationFindsItByNameAlone) {
    catalogue(record("TV", "News", "Vision", "http://127.0.0.1:9/tv") +
              record("RADIO", "Jazz", "J1", "http://127.0.0.1:9/j1"));
    state.defaultStationName = "Vision";
    io.ReturnToDefaultStation();
    EXPECT_EQ(player.url, "http://127.0.0.1:9/tv");
    EXPECT_EQ(player.calls, Names({"play"}));
    EXPECT_EQ(state.shownStationName, "Vision");
    EXPECT_EQ(state.CurrentStation.kind, "RADIO"); // the chooser's kind stays

    state.useDefaultViewer = 1;
    io.ReturnToDefaultStation();
    EXPECT_EQ(shell.opened, Names({"http://127.0.0.1:9/tv"}));
}

TEST_F(StationListTest, ReturningWithNoDefaultOrAnUnknownOneLoadsNothing) {
    catalogue(record("RADIO", "Jazz", "J1"));
    for (const char* name : {"", "BBC Radio 1 (WebCam)"}) {
        state.defaultStationName = name;
        state.shownStationName = "Playing now";
        io.ReturnToDefaultStation();
        EXPECT_TRUE(player.urlsGiven.empty()) << name;
        EXPECT_EQ(state.shownStationName, "");
        EXPECT_EQ(state.CurrentStation.streamUrl, "");
    }
    // An empty default name takes the first record whose name is empty.
    catalogue(record("RADIO", "Jazz", "J1") + record("RADIO", "Jazz", "", "http://127.0.0.1:9/x"));
    state.defaultStationName = "";
    io.ReturnToDefaultStation();
    EXPECT_EQ(player.url, "http://127.0.0.1:9/x");
}

TEST_F(StationListTest, ALastRecordCutShortIsNoStation) {
    catalogue(record("RADIO", "Jazz", "J1") + "\"RADIO\",\"Jazz\",\"Cut\",\"http://p\"");
    state.selectedGenre = "Jazz";
    io.FillStationList(chooser);
    EXPECT_EQ(chooser.stations, Names({"J1"}));
}

// The catalogue shipped with the program: whole records, every stream and page over HTTPS,
// and the built-in station among them.
TEST(StarterCatalogue, ListsWholeHttpsRecordsIncludingTheBuiltInStation) {
    const auto bytes = readWholeFile(LUMO_ASSETS_DIR "/Lumo.csv");
    ASSERT_TRUE(bytes.has_value());
    FieldReader reader(*bytes);
    int records = 0;
    bool builtInListed = false;
    while (const auto record = readStationRecord(reader)) {
        ++records;
        EXPECT_TRUE(record->complete()) << record->name;
        for (const std::string& address : {record->streamUrl, record->webPage}) {
            EXPECT_TRUE(address.starts_with("https://") && isNetworkAddress(address)) << address;
        }
        EXPECT_TRUE(record->liveFeedUrl == "NONE" || record->liveFeedUrl.starts_with("https://"));
        builtInListed = builtInListed || (record->name == kBuiltInStationName &&
                                          record->streamUrl == kBuiltInStreamUrl &&
                                          record->liveFeedUrl == kBuiltInLiveFeedUrl);
    }
    EXPECT_TRUE(reader.atEnd());
    EXPECT_GE(records, 20);
    EXPECT_TRUE(builtInListed);
}

} // namespace
} // namespace lumo
