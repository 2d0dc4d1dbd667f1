// lumo-catalogue on a hand-made sample of the community directory's export.
#include "TempFolder.h"
#include "catalogue/DirectoryExport.h"
#include "catalogue/FieldReader.h"
#include "catalogue/StationRecord.h"
#include "platform/AppFolder.h"

#include <QProcess>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace lumo {
namespace {

using Names = std::vector<std::string>;

std::vector<StationRecord> records(const std::string& list) {
    FieldReader reader(list);
    std::vector<StationRecord> out;
    while (auto record = readStationRecord(reader)) {
        out.push_back(*record);
    }
    EXPECT_TRUE(reader.atEnd());
    return out;
}

Names names(const std::vector<StationRecord>& list) {
    Names out;
    for (const auto& r : list) {
        out.push_back(r.name);
    }
    return out;
}

class CatalogueToolTest : public ::testing::Test {
protected:
    const QByteArray sample =
        QByteArray::fromStdString(*readWholeFile(LUMO_TOOLS_TEST_DIR "/sample-stations.json"));
};

// "Радио Москва"
constexpr const char* kMoscow =
    "\xD0\xA0\xD0\xB0\xD0\xB4\xD0\xB8\xD0\xBE \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0";

TEST_F(CatalogueToolTest, KeepsLiveNetworkStationsSortedByGenreThenVotesWithUniqueNames) {
    const auto list = stationListFromExport(sample, {});
    ASSERT_TRUE(list.has_value());
    const auto stations = records(*list);
    EXPECT_EQ(names(stations), (Names{"Spaced Name Two Lines",
                                      "Bad Homepage",
                                      "Low Votes",
                                      "Caf\xC3\xA9 M\xC3\xBCller \xE2\x98\x95",
                                      "Techno Bunker",
                                      "HLS Station",
                                      "Jazz Radio One",
                                      "Smooth Jazz Two",
                                      "Metal Forge",
                                      "News, Sport & Weather",
                                      "Say 'Hello', Radio",
                                      "MMS Oldie",
                                      "Pop Hits",
                                      "Pop Hits (2)",
                                      "pop hits (3)",
                                      "Only URL",
                                      kMoscow,
                                      "Classic Rock FM",
                                      "Rock Antenne",
                                      "Mystery Station",
                                      "No Tags"}));
    for (const auto& s : stations) {
        EXPECT_EQ(s.kind, "RADIO");
        EXPECT_EQ(s.liveFeedUrl, "NONE");
        EXPECT_TRUE(s.complete()) << s.name;
    }
    EXPECT_EQ(stations[1].webPage, "NONE") << "a page that is no network address";
    EXPECT_EQ(stations[15].streamUrl, "https://pop.example/only-url");
    EXPECT_EQ(stations[11].genre, "Oldies");
    EXPECT_EQ(stations[19].genre, "Other") << "last";
    EXPECT_EQ(genreForTags("Heavy Metal, rock"), "Metal");
    EXPECT_EQ(genreForTags("smooth jazz"), "Jazz");
    EXPECT_EQ(genreForTags(""), "Other");
    // Stations a listener knows, by the tags the directory gives them.
    EXPECT_EQ(genreForTags("pop,hits,bayern,ard"), "Pop");
    EXPECT_EQ(genreForTags("ch\u00e9rie,love songs,vari\u00e9t\u00e9 fran\u00e7aise"), "Pop");
    EXPECT_EQ(genreForTags("noticias,public radio,spanish"), "News and Talk");
    EXPECT_EQ(genreForTags("deportes,noticias,talk"), "Sports");
    EXPECT_EQ(genreForTags("J-Pop,anime,japanese"), "Pop");
    EXPECT_EQ(genreForTags("bollywood,hindi,india"), "World");

    EXPECT_FALSE(stationListFromExport("{\"name\": 1}", {}).has_value());
    EXPECT_EQ(stationListFromExport("[]", {}), "");
}

TEST_F(CatalogueToolTest, SmallGenresFoldIntoOtherWhichComesLast) {
    ExportOptions options;
    options.fewestPerGenre = 3;
    const auto catalogue = catalogueFromExport(sample, options);
    ASSERT_TRUE(catalogue.has_value());
    const auto stations = records(catalogue->list);
    std::map<std::string, int> perGenre;
    for (const auto& s : stations) {
        ++perGenre[s.genre];
    }
    for (const auto& [genre, count] : perGenre) {
        EXPECT_TRUE(genre == "Other" || count >= 3) << genre;
    }
    EXPECT_EQ(stations.back().genre, "Other");
    const auto firstOther = std::ranges::find(stations, "Other", &StationRecord::genre);
    EXPECT_TRUE(std::all_of(firstOther, stations.end(),
                            [](const StationRecord& s) { return s.genre == "Other"; }));
    ASSERT_EQ(catalogue->info.size(), stations.size());
    const auto one = std::ranges::find(stations, "Jazz Radio One", &StationRecord::name);
    ASSERT_NE(one, stations.end());
    const auto jazz = std::ranges::find(catalogue->info, one->streamUrl, &StationInfo::stream);
    ASSERT_NE(jazz, catalogue->info.end());
    EXPECT_EQ(jazz->tags, "jazz,smooth jazz");
}

TEST_F(CatalogueToolTest, TheCommandShapesTheListWithItsOptions) {
    test::TempFolder out;
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral(LUMO_CATALOGUE_TOOL),
               {QStringLiteral("--min-votes"), QStringLiteral("100"), QStringLiteral("--countries"),
                QStringLiteral("de,GB"), QStringLiteral("--max-per-genre"), QStringLiteral("1"),
                QStringLiteral(LUMO_TOOLS_TEST_DIR "/sample-stations.json"),
                QString::fromStdString((out.path() / "Lumo.csv").string())});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0);
    const auto stations = records(out.read("Lumo.csv"));
    EXPECT_EQ(names(stations),
              (Names{"Smooth Jazz Two", "News, Sport & Weather", "Pop Hits", "Rock Antenne"}));

    tool.start(QStringLiteral(LUMO_CATALOGUE_TOOL), {QStringLiteral("/nonexistent.json")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_NE(tool.exitCode(), 0);
}

} // namespace
} // namespace lumo

namespace lumo {
namespace {

TEST(DirectoryServersTest, OnlyPlainHostNamesBecomeHttpsServers) {
    EXPECT_EQ(
        directoryServersFrom(R"([{"ip":"1.2.3.4","name":"de1.api.radio-browser.info"},
        {"name":"evil.example/x"},{"name":"a@b"},{"name":""},{"name":"NL1.api.radio-browser.info"},
        {"name":"de1.api.radio-browser.info"}])"),
        QStringList({"https://de1.api.radio-browser.info", "https://nl1.api.radio-browser.info"}));
    EXPECT_TRUE(directoryServersFrom("not json").isEmpty());
}

} // namespace
} // namespace lumo
