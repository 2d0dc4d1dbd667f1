#include "catalogue/FileIO.h"
#include "FileIOFixture.h"
#include "TempFolder.h"
#include "catalogue/BuiltInStation.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

class FileIOTest : public ::testing::Test, protected test::FileIOFixture {
protected:
    void expectBuiltInStation() {
        EXPECT_EQ(player.urlsGiven, std::vector<std::string>{kBuiltInStreamUrl});
        EXPECT_EQ(state.CurrentStation, builtInStation());
        EXPECT_EQ(state.CurrentStation.kind, "RADIO");
        EXPECT_EQ(state.shownStationName, "BBC Radio 1 (WebCam)");
        EXPECT_EQ(state.defaultStationName, "");
        EXPECT_EQ(window.caption, "");
        EXPECT_TRUE(shell.opened.empty());
    }
};

// Open descriptors of this process that refer to `file`.
int openHandlesTo(const fs::path& file) {
    int count = 0;
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (fs::read_symlink(fd.path(), ec) == file) {
            ++count;
        }
    }
    return count;
}

TEST_F(FileIOTest, WithNoDefaultFileTheBuiltInStationPlaysInTheHostedPlayer) {
    io.LoadDefaultStation();
    expectBuiltInStation();
    EXPECT_FALSE(state.CurrentStation.webPage.empty());
    EXPECT_FALSE(state.CurrentStation.liveFeedUrl.empty());
}

TEST_F(FileIOTest, UnusableDefaultFilesFallBackToTheBuiltInStation) {
    for (const char* contents : {
             "\"RADIO\",\"Three fields only\",\"http://page\"\r\n",
             "\"RADIO\",\"No stream\",\"http://page\",\"\",\"NONE\"\r\n",
             "\"\",\"No kind\",\"http://page\",\"http://s\",\"NONE\"\r\n",
             "\"TV\",\"\",\"http://page\",\"http://s\",\"NONE\"\r\n",
             "",
         }) {
        state = ProgramState{};
        player.urlsGiven.clear();
        dir.write("DEFAULT", contents);
        io.LoadDefaultStation();
        SCOPED_TRACE(contents);
        expectBuiltInStation();
    }
}

TEST_F(FileIOTest, AThreeFieldDefaultFileIsNotLeftOpenSoSavingWorks) {
    const auto file = dir.write("DEFAULT", "\"RADIO\",\"Half\",\"http://page\"\r\n");
    io.LoadDefaultStation();
    EXPECT_EQ(openHandlesTo(file), 0);
    io.SaveDefaultStation();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "Default Station Set");
    // The built-in station now plays from the file, as a real default.
    ProgramState next;
    test::FakeMediaPlayer nextPlayer;
    FILEIO(next, folder, nextPlayer, shell, messages, window).LoadDefaultStation();
    EXPECT_EQ(nextPlayer.url, kBuiltInStreamUrl);
    EXPECT_EQ(next.defaultStationName, "BBC Radio 1 (WebCam)");
    EXPECT_EQ(window.caption, "BBC Radio 1 (WebCam)");
}

TEST_F(FileIOTest, AValidDefaultStationPlaysAndNamesTheDefault) {
    dir.write("default",
              "\"Talk\",\"News, Live\",\"\",\"http://127.0.0.1/s\",\"\",\"more\"\r\nx\r\n");
    io.LoadDefaultStation();
    EXPECT_EQ(player.urlsGiven, std::vector<std::string>{"http://127.0.0.1/s"});
    EXPECT_EQ(state.CurrentStation, (Station{"Talk", "News, Live", "", "http://127.0.0.1/s", ""}));
    EXPECT_EQ(state.shownStationName, "News, Live");
    EXPECT_EQ(state.defaultStationName, "News, Live");
    EXPECT_EQ(window.caption, "News, Live");
}

TEST_F(FileIOTest, TheDefaultViewerGetsTheStreamAndTheHostedPlayerStaysSilent) {
    state.useDefaultViewer = 1;
    dir.write("DEFAULT", "\"TV\",\"Vision\",\"http://p\",\"mms://127.0.0.1/tv\",\"NONE\"\r\n");
    io.LoadDefaultStation();
    EXPECT_EQ(shell.opened, std::vector<std::string>{"mms://127.0.0.1/tv"});
    EXPECT_TRUE(player.urlsGiven.empty());
    EXPECT_EQ(state.shownStationName, "Vision");

    // An unusable file still plays the built-in station in the hosted player.
    shell.opened.clear();
    state.CurrentStation = {};
    state.defaultStationName.clear();
    window.caption.clear();
    dir.write("DEFAULT", "\"TV\"\r\n");
    io.LoadDefaultStation();
    expectBuiltInStation();
}

TEST_F(FileIOTest, SavingTheDefaultWritesTheTwentyFourBytesOfTheExample) {
    state.CurrentStation = {"TV", "A", "", "B", "NONE"};
    io.SaveDefaultStation();
    EXPECT_EQ(dir.read("DEFAULT"), "\"TV\",\"A\",\"\",\"B\",\"NONE\"\r\n");
    EXPECT_EQ(dir.read("DEFAULT").size(), 24u);
    EXPECT_EQ(state.defaultStationName, "A");
    EXPECT_EQ(window.events, (std::vector<std::string>{"hide", "show"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              std::make_pair(std::string("Default Station Set"), MessageBoxes::Icon::None));
}

TEST_F(FileIOTest, SavingTheDefaultOverAnExistingFileWithOtherCase) {
    dir.write("Default", "old");
    state.CurrentStation = {"RADIO", "B", "", "http://s", "NONE"};
    io.SaveDefaultStation();
    EXPECT_EQ(dir.read("Default"), "\"RADIO\",\"B\",\"\",\"http://s\",\"NONE\"\r\n");
    EXPECT_FALSE(fs::exists(dir.path() / "DEFAULT"));
}

TEST_F(FileIOTest, AFailedSaveReportsAndKeepsTheOldDefault) {
    if (::geteuid() == 0) {
        // root writes into read-only folders; block the name with a folder instead
        fs::create_directory(dir.path() / "DEFAULT");
    } else {
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    }
    state.defaultStationName = "Old";
    state.CurrentStation = {"TV", "New", "", "http://s", "NONE"};
    io.SaveDefaultStation();
    fs::permissions(dir.path(), fs::perms::owner_all);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              std::make_pair(std::string("Set Default Failed"), MessageBoxes::Icon::Stop));
    EXPECT_EQ(state.defaultStationName, "Old");
    EXPECT_TRUE(window.events.empty());
}

TEST_F(FileIOTest, ViewerPreferenceFilesAreThreeBytes) {
    state.useDefaultViewer = 1;
    io.SaveViewerPreference();
    EXPECT_EQ(dir.read("DEFAULTVIEWER"), "1\r\n");
    state.useDefaultViewer = 0;
    io.SaveViewerPreference();
    EXPECT_EQ(dir.read("DEFAULTVIEWER"), "0\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FileIOTest, ReadingTheViewerPreference) {
    io.LoadViewerPreference(); // missing: unchanged
    EXPECT_EQ(state.useDefaultViewer, 0);
    dir.write("DEFAULTVIEWER", "1\r\n");
    io.LoadViewerPreference();
    EXPECT_EQ(state.useDefaultViewer, 1);
    dir.write("DEFAULTVIEWER", "");
    io.LoadViewerPreference(); // empty: unchanged
    EXPECT_EQ(state.useDefaultViewer, 1);
    dir.write("DEFAULTVIEWER", "yes\r\n");
    io.LoadViewerPreference(); // not a number: hosted player
    EXPECT_EQ(state.useDefaultViewer, 0);
    dir.write("DEFAULTVIEWER", "7\r\n");
    io.LoadViewerPreference(); // edited by hand: any other number means the default viewer
    EXPECT_EQ(state.useDefaultViewer, 1);
}

TEST_F(FileIOTest, AFailedPreferenceSaveReportsButKeepsTheValue) {
    fs::create_directory(dir.path() / "DEFAULTVIEWER");
    state.useDefaultViewer = 1;
    io.SaveViewerPreference();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              std::make_pair(std::string("Set Default Viewer Failed"), MessageBoxes::Icon::Stop));
    EXPECT_EQ(state.useDefaultViewer, 1);
}

} // namespace
} // namespace lumo
