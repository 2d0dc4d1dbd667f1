// The station list update through the player window against a real FTP server.
#include "FtpTestServer.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "platform/ClickLabel.h"
#include "update/Ftp.h"

#include <QTest>
#include <ctime>
#include <gtest/gtest.h>

namespace lumo {
namespace {

constexpr const char* kOldList =
    "\"RADIO\",\"Old\",\"Old FM\",\"http://p\",\"http://s\",\"NONE\"\r\n";
constexpr const char* kNewList =
    "\"RADIO\",\"New\",\"New FM\",\"http://p\",\"http://s\",\"NONE\"\r\n";

std::string todayUtc() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    ::gmtime_r(&now, &utc);
    char date[40];
    std::snprintf(date, sizeof date, "%02d/%02d/%d", utc.tm_mday, utc.tm_mon + 1,
                  utc.tm_year + 1900);
    return date;
}

class UpdateTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running());
        std::filesystem::create_directories(site.path() / "downloads" / "LUMO");
        dir.write("Lumo.csv", kOldList);
        window = makeWindow();
        window->setUpdateSite(
            {server.address(), test::FtpTestServer::kUser, test::FtpTestServer::kPassword});
        window->load();
    }
    void update() { QTest::mouseClick(window->Image5, Qt::LeftButton); }
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& [text, icon] : messages.shown) {
            texts.push_back(text);
        }
        return texts;
    }

    test::TempFolder site;
    test::FtpTestServer server{site.path()};
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(UpdateTest, ASuccessfulUpdateReplacesTheListAndShowsTodaysDate) {
    site.write("downloads/LUMO/Lumo.csv", kNewList);
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Complete"});
    EXPECT_EQ(dir.read("Lumo.csv"), kNewList);
    EXPECT_EQ(window->Label4->text().toStdString(), todayUtc());
    EXPECT_EQ(state.updateStatus, "True");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / ".Lumo.csv.download"));
}

TEST_F(UpdateTest, AnAbsentOrEmptyRemoteListKeepsTheOldOne) {
    update();
    site.write("downloads/LUMO/Lumo.csv", "not a station list");
    update();
    EXPECT_EQ(shownTexts(),
              std::vector<std::string>(2, "Station Update Not Found, Try again later"));
    EXPECT_EQ(dir.read("Lumo.csv"), kOldList);
}

TEST_F(UpdateTest, AnAbsentRemoteFolderIsReportedAndNothingIsFetched) {
    std::filesystem::remove_all(site.path() / "downloads");
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{" Failed to Connect Update Website"});
    EXPECT_EQ(state.updateStatus, "False");
    EXPECT_EQ(dir.read("Lumo.csv"), kOldList);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(UpdateTest, AnUnreachableSiteOnlySaysSoAndTheDateIsStillRefreshed) {
    window->setUpdateSite({"127.0.0.1:" + std::to_string(test::closedLoopbackPort()), "u", "p"});
    window->Label4->clear();
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Could not Establish Connection to the "
                                                     "Update Site, Check your Internet Access "
                                                     "and Retry"});
    EXPECT_EQ(state.updateStatus, "false");
    EXPECT_EQ(window->Timer5->interval(), 100);
    EXPECT_EQ(window->Label4->text().toStdString(), todayUtc());
    EXPECT_EQ(dir.read("Lumo.csv"), kOldList);
}

TEST_F(UpdateTest, AServerKilledMidDownloadLeavesTheOldList) {
    std::string big;
    while (big.size() < 5 * 1024 * 1024) {
        big += kNewList;
    }
    site.write("downloads/LUMO/Lumo.csv", big);
    bool killed = false;
    // The session exists once the window has loaded: cut the transfer a little way in.
    window->ftpSession()->FileTransferProgress = [&](std::int32_t current, std::int32_t) {
        if (!killed && current > 256 * 1024) {
            killed = true;
            server.kill();
        }
    };
    update();
    EXPECT_TRUE(killed);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Not Found, Try again later"});
    EXPECT_EQ(dir.read("Lumo.csv"), kOldList);
}

} // namespace
} // namespace lumo
