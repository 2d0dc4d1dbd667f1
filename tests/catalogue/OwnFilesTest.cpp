// The files that hold what the listener kept: one bad byte changes one record, a link is not
// written through, a failed write changes nothing, and two players lose nothing of each other's.
#include "TempFolder.h"
#include "catalogue/Favourites.h"
#include "catalogue/MyStations.h"
#include "catalogue/OwnFile.h"
#include "platform/AppFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

Station station(const std::string& name) {
    return {"RADIO", name, "", "http://127.0.0.1/" + name, "NONE"};
}

class OwnFilesTest : public ::testing::Test {
protected:
    fs::path file() const { return dir.path() / "FAVOURITES"; }
    test::TempFolder dir;
};

TEST_F(OwnFilesTest, OneStrayByteChangesOneRecordAndTheNextWriteKeepsTheRest) {
    dir.write("FAVOURITES",
              "\"RADIO\",\"Caf\xc3\xa9 M\xc3\xbcller\",\"\",\"http://a/\",\"NONE\"\r\n"
              "\"RADIO\",\"Bad \xff Byte\",\"\",\"http://b/\",\"NONE\"\r\n");
    Favourites favourites(file());
    ASSERT_EQ(favourites.all().size(), 2U);
    EXPECT_EQ(favourites.all()[0].name, "Caf\xc3\xa9 M\xc3\xbcller");
    EXPECT_EQ(favourites.all()[1].name, "Bad \xc3\xbf Byte"); // Windows-1252, that record only
    ASSERT_TRUE(favourites.add(station("New")));
    Favourites again(file());
    ASSERT_EQ(again.all().size(), 3U);
    EXPECT_TRUE(again.contains("RADIO", "Caf\xc3\xa9 M\xc3\xbcller"));
    EXPECT_EQ(*readOwnFile(file()), *readWholeFile(file())) << "written back as UTF-8";
}

TEST_F(OwnFilesTest, ALinkedOrUnwritableFileIsNotReplacedAndNothingIsLost) {
    dir.write("target", "\"RADIO\",\"Kept\",\"\",\"http://k/\",\"NONE\"\r\n");
    fs::create_symlink(dir.path() / "target", file());
    Favourites linked(file());
    EXPECT_EQ(linked.all().size(), 1U) << "read through the link";
    EXPECT_FALSE(linked.add(station("New")));
    EXPECT_EQ(linked.all().size(), 1U);
    EXPECT_TRUE(fs::is_symlink(file()));
    EXPECT_EQ(*readWholeFile(dir.path() / "target"),
              "\"RADIO\",\"Kept\",\"\",\"http://k/\",\"NONE\"\r\n");
    EXPECT_FALSE(writeOwnFile(file(), "x"));

    // A file that cannot be replaced (a folder in its place, whoever runs the test).
    fs::remove(file());
    Favourites favourites(file());
    ASSERT_TRUE(favourites.add(station("One")));
    fs::rename(file(), dir.path() / "one");
    fs::create_directory(file());
    EXPECT_FALSE(favourites.add(station("Two")));
    EXPECT_EQ(favourites.all().size(), 1U);
    EXPECT_TRUE(fs::is_directory(file()));
}

TEST_F(OwnFilesTest, TwoPlayersOnOneFolderKeepEachOthersFavourites) {
    Favourites first(file());
    Favourites second(file());
    ASSERT_TRUE(first.add(station("From the first")));
    ASSERT_TRUE(second.add(station("From the second")));
    ASSERT_TRUE(first.add(station("First again")));
    ASSERT_TRUE(second.remove("RADIO", "First again"));
    Favourites after(file());
    std::vector<std::string> names;
    for (const Station& s : after.all()) {
        names.push_back(s.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"From the first", "From the second"}));
}

TEST_F(OwnFilesTest, ManyFavouritesLoadWithoutAScanPerRecord) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += "\"RADIO\",\"Station " + std::to_string(i) + "\",\"\",\"http://s/" +
                std::to_string(i) + "\",\"NONE\"\r\n";
    }
    text += "\"RADIO\",\"Station 7\",\"\",\"http://again/\",\"NONE\"\r\n";
    dir.write("FAVOURITES", text);
    Favourites favourites(file());
    EXPECT_EQ(favourites.all().size(), 100000U) << "the repeated name counts once";
    EXPECT_TRUE(favourites.contains("RADIO", "Station 99999"));
}

// Own stations: two players keep each other's, an edit keeps the station's place, a renamed
// station takes the place of the one whose name it takes, and what is not a whole station is
// neither kept nor read.
TEST_F(OwnFilesTest, OwnStationsAreEditedInPlaceAndTwoPlayersKeepEachOthers) {
    const fs::path own = dir.path() / "MYSTATIONS";
    const auto mine = [](const std::string& name, const std::string& kind = "RADIO") {
        return StationRecord{kind, "Jazz", name, "NONE", "http://127.0.0.1/" + name, "NONE"};
    };
    MyStations first(own);
    MyStations second(own);
    ASSERT_TRUE(first.add(mine("A")));
    ASSERT_TRUE(second.add(mine("B")));
    ASSERT_TRUE(first.add(mine("C", "TV")));
    EXPECT_FALSE(first.add(mine(""))) << "no name: not a station";
    StationRecord renamed = mine("A2");
    renamed.genre = "Bebop";
    ASSERT_TRUE(second.put(renamed, "RADIO", "A"));
    ASSERT_TRUE(first.put(mine("B"), "RADIO", "A2")) << "A2 becomes B: one B is left";
    ASSERT_TRUE(first.remove("TV", "C"));
    dir.write("MYSTATIONS", *readWholeFile(own) + "\"RADIO\",\"Cut\",\"short\"\r\n");
    const MyStations after(own);
    ASSERT_EQ(after.all().size(), 1U);
    EXPECT_EQ(after.all()[0].name, "B");
    EXPECT_EQ(after.find("RADIO", "B")->streamUrl, "http://127.0.0.1/B");
    EXPECT_EQ(MyStations::listText(own),
              "\"RADIO\",\"Jazz\",\"B\",\"NONE\",\"http://127.0.0.1/B\",\"NONE\"\r\n");
    fs::remove(own);
    fs::create_symlink(dir.path() / "elsewhere", own);
    EXPECT_FALSE(MyStations(own).add(mine("Linked")));
    EXPECT_FALSE(fs::exists(dir.path() / "elsewhere"));
}

} // namespace
} // namespace lumo
