#include "desktop/FileModified.h"
#include "TempFolder.h"

#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumo {
namespace {

void setWritten(const std::filesystem::path& file, std::time_t when) {
    const struct timespec times[2] = {{when, 0}, {when, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

class FindFileInfoTest : public ::testing::Test {
protected:
    test::TempFolder dir;
    ProgramState state;
    CFILEMOD info{state};
};

TEST_F(FindFileInfoTest, TheDateIsTakenInUtcNotLocalTime) {
    const char* zone = std::getenv("TZ");
    const std::string saved = zone ? zone : "";
    ::setenv("TZ", "CET-1", 1); // one hour ahead of UTC
    ::tzset();
    // 1 January 2009, 00:30 local time, is still 31 December 2008 in UTC.
    const auto file = dir.write("lumo.csv", "x");
    setWritten(file, 1230766200);
    EXPECT_EQ(info.FindFileInfo(file.string(), true), 0);
    zone ? ::setenv("TZ", saved.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(state.stationListDate, "31/12/2008");
}

TEST_F(FindFileInfoTest, DaysAndMonthsBelowTenHaveALeadingZero) {
    const auto file = dir.write("Lumo.csv", "x");
    setWritten(file, 1702123200); // 9 December 2023, noon UTC
    info.FindFileInfo(file.string(), false);
    EXPECT_EQ(state.stationListDate, "09/12/2023");
    setWritten(file, 1631275200); // 10 September 2021, noon UTC
    info.FindFileInfo(file.string(), false);
    EXPECT_EQ(state.stationListDate, "10/09/2021");
}

TEST_F(FindFileInfoTest, AMissingFileEmptiesTheDateAndAnEmptyNameChangesNothing) {
    state.stationListDate = "01/01/2020";
    info.FindFileInfo("", true);
    EXPECT_EQ(state.stationListDate, "01/01/2020");
    EXPECT_EQ(info.FindFileInfo((dir.path() / "missing.csv").string(), true), 0);
    EXPECT_EQ(state.stationListDate, "");
}

TEST_F(FindFileInfoTest, ThePropertiesAreNeverFilled) {
    const auto file = dir.write("lumo.csv", "x");
    info.FindFileInfo(file.string(), true);
    EXPECT_FALSE(state.stationListDate.empty());
    EXPECT_EQ(info.IconIndex, 0);
    EXPECT_FALSE(info.ReadOnly || info.Archive || info.Normal || info.Directory);
    EXPECT_TRUE(info.LastWriteTime.empty() && info.ByteSize.empty() && info.FileName.empty());
}

} // namespace
} // namespace lumo
