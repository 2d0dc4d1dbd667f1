#include "platform/AppFolder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

long entriesIn(const fs::path& dir) {
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
}

TEST(AppFolder, DescribedNamesFindEntriesWhateverTheirCase) {
    test::TempFolder dir;
    dir.write("Lumo.csv", "x");
    dir.write("ads/AD1.jpg", "y");
    const AppFolder folder(dir.path());

    EXPECT_EQ(folder.resolve("\\lumo.csv"), dir.path() / "Lumo.csv");
    EXPECT_EQ(folder.resolve("\\LUMO.CSV"), dir.path() / "Lumo.csv");
    EXPECT_EQ(folder.resolve("\\ADS\\ad1.JPG"), dir.path() / "ads" / "AD1.jpg");
    EXPECT_EQ(folder.resolve("\\ADS"), dir.path() / "ads");
}

TEST(AppFolder, NamesNotOnDiskAreUsedAsGivenAndNeverLeaveTheFolder) {
    test::TempFolder dir;
    const AppFolder folder(dir.path());
    EXPECT_EQ(folder.resolve("\\DEFAULT"), dir.path() / "DEFAULT");
    EXPECT_EQ(folder.resolve("\\ADS\\AD3.jpg"), dir.path() / "ADS" / "AD3.jpg");
    EXPECT_EQ(folder.resolve("\\..\\..\\etc\\passwd"), dir.path() / "etc" / "passwd");
}

TEST(AppFolder, RunningExecutableFolderHoldsThisTest) {
    const AppFolder folder = AppFolder::ofRunningExecutable();
    EXPECT_TRUE(fs::exists(folder.path() / "test_platform"));
}

// A build folder keeps everything beside the executable; an installed program (its starter
// list in ../share/lumo) keeps each user's files in their data folder, seeded once with the
// starter list, and a list of the user's own (whatever its case) is never replaced.
TEST(AppFolder, AnInstalledProgramKeepsItsFilesInTheUsersDataFolder) {
    test::TempFolder root;
    const fs::path build = root.path() / "build" / "src";
    fs::create_directories(build);
    const fs::path data = root.path() / "home" / ".local" / "share";
    EXPECT_EQ(AppFolder::forExecutable(build, data).path(), build);
    EXPECT_FALSE(fs::exists(data));

    root.write("usr/share/lumo/Lumo.csv", "starter");
    const fs::path bin = root.path() / "usr" / "bin";
    fs::create_directories(bin);
    const AppFolder installed = AppFolder::forExecutable(bin, data);
    EXPECT_EQ(installed.path(), data / "lumo");
    EXPECT_EQ(readWholeFile(data / "lumo" / "Lumo.csv"), "starter");
    EXPECT_EQ(entriesIn(bin), 0);

    fs::rename(data / "lumo" / "Lumo.csv", data / "lumo" / "lumo.csv");
    ASSERT_TRUE(replaceFileAtomically(data / "lumo" / "lumo.csv", "the user's own"));
    root.write("usr/share/lumo/Lumo.csv", "a newer package's starter");
    AppFolder::forExecutable(bin, data);
    EXPECT_EQ(readWholeFile(data / "lumo" / "lumo.csv"), "the user's own");
    EXPECT_EQ(entriesIn(data / "lumo"), 1);
}

TEST(AtomicFiles, ReplaceWritesTheBytesAndLeavesNoTemporaryFile) {
    test::TempFolder dir;
    dir.write("DEFAULT", "old contents that are longer");
    const auto file = dir.path() / "DEFAULT";

    ASSERT_TRUE(replaceFileAtomically(file, std::string("new\r\n\0x", 7)));
    EXPECT_EQ(readWholeFile(file), std::string("new\r\n\0x", 7));
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(AtomicFiles, AFailedReplaceKeepsTheOldFile) {
    test::TempFolder dir;
    dir.write("DEFAULT", "keep me");
    // A folder where the file should go: the rename over it fails.
    fs::create_directory(dir.path() / "BLOCKED");
    EXPECT_FALSE(replaceFileAtomically(dir.path() / "BLOCKED", "data"));
    EXPECT_FALSE(replaceFileAtomically(dir.path() / "missing" / "DEFAULT", "data"));
    EXPECT_EQ(readWholeFile(dir.path() / "DEFAULT"), "keep me");
    EXPECT_EQ(entriesIn(dir.path()), 2);
}

TEST(AtomicFiles, ReadingAMissingFileGivesNothing) {
    test::TempFolder dir;
    EXPECT_FALSE(readWholeFile(dir.path() / "nothing").has_value());
    EXPECT_EQ(readWholeFile(dir.write("empty", "")), "");
}

} // namespace
} // namespace lumo
