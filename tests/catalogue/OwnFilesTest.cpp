// The files that hold what the listener kept: one bad byte changes one record, a link is not
// written through, a failed write changes nothing, and two players lose nothing of each other's.
#include "TempFolder.h"
#include "catalogue/Favourites.h"
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

} // namespace
} // namespace lumo
