// The station list update through the player window against a real FTP server.
#include "EventWait.h"
#include "FtpTestServer.h"
#include "LoopbackHttpServer.h"
#include "Pictures.h"
#include "PlayerWindowFixture.h"
#include "app/UpdateProgressWindow.h"
#include "catalogue/Favourites.h"
#include "catalogue/MyStations.h"
#include "catalogue/StationInfo.h"
#include "platform/ClickLabel.h"
#include "update/Ftp.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
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
        window->updater().setSite(
            {server.address(), test::FtpTestServer::kUser, test::FtpTestServer::kPassword});
        window->load();
    }
    // The update-stations button, and the event loop until the update has ended.
    void update() {
        QTest::mouseClick(window->Image5, Qt::LeftButton);
        EXPECT_TRUE(window->updater().running() || !messages.shown.empty());
        ASSERT_TRUE(test::waitUntil([&] { return !window->updater().running(); }, 60000));
    }
    // The window that stands in for the player window while an update runs.
    static UpdateProgressWindow* progressWindow() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<UpdateProgressWindow*>(top);
                progress != nullptr && progress->isVisible()) {
                return progress;
            }
        }
        return nullptr;
    }
    // Runs `step` on the progress window every few milliseconds while the update runs.
    void updateWatching(const std::function<void(UpdateProgressWindow&)>& step) {
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (auto* progress = progressWindow()) {
                step(*progress);
            }
        });
        watcher.start(2);
        update();
    }
    std::string bigList(std::size_t bytes = 5 * 1024 * 1024) const {
        std::string big;
        while (big.size() < bytes) {
            big += kNewList;
        }
        return big;
    }
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
    dir.write("STATIONINFO", "\"SERVER\",\"https://directory\"\r\n");
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Complete"});
    EXPECT_EQ(dir.read("Lumo.csv"), kNewList);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "STATIONINFO")) << "the directory's, gone";
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
    window->updater().setSite(
        {"127.0.0.1:" + std::to_string(test::closedLoopbackPort()), "u", "p"});
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
    // More than the loopback connection's buffers hold (several MiB each way), or the whole
    // list and the server's "226" may be on their way before the server is killed.
    site.write("downloads/LUMO/Lumo.csv", bigList(32 * 1024 * 1024));
    bool killed = false;
    // The session exists once the window has loaded: cut the transfer a little way in.
    QObject::connect(window->updater().ftp(), &cFTP::FileTransferProgress,
                     [&](std::int32_t current, std::int32_t) {
                         if (!killed && current > 256 * 1024) {
                             killed = true;
                             server.kill();
                         }
                     });
    update();
    EXPECT_TRUE(killed);
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Not Found, Try again later"});
    EXPECT_EQ(dir.read("Lumo.csv"), kOldList);
}

TEST_F(UpdateTest, TheProgressWindowStandsInForThePlayerWhileTheListArrives) {
    site.write("downloads/LUMO/Lumo.csv", bigList());
    std::vector<QString> seen;
    bool playerHidden = true;
    updateWatching([&](UpdateProgressWindow& progress) {
        seen.push_back(progress.text());
        playerHidden = playerHidden && !window->isVisible();
    });
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "Updating stations...");
    static const QRegularExpression percent(QStringLiteral("^Updating stations\\.\\.\\. \\d+ %$"));
    EXPECT_TRUE(
        std::ranges::any_of(seen, [](const QString& t) { return percent.match(t).hasMatch(); }));
    EXPECT_TRUE(playerHidden);
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Complete"});
}

TEST_F(UpdateTest, CancelLeavesTheOldListAndSaysNothingWhetherConnectingOrDownloading) {
    // A site that takes the connection and never greets.
    test::LoopbackHttpServer silent;
    window->updater().setSite({"127.0.0.1:" + std::to_string(silent.port()), "u", "p"});
    int waits = 0;
    updateWatching([&](UpdateProgressWindow& progress) {
        if (++waits == 50) {
            progress.cancelButton()->click();
        }
    });
    EXPECT_GE(waits, 50);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(window->Timer5->interval(), 0);

    window->updater().setSite(
        {server.address(), test::FtpTestServer::kUser, test::FtpTestServer::kPassword});
    site.write("downloads/LUMO/Lumo.csv", bigList());
    bool clicked = false;
    updateWatching([&](UpdateProgressWindow& progress) {
        if (!clicked && progress.text().endsWith(QLatin1Char('%'))) {
            clicked = true;
            progress.cancelButton()->click();
        }
    });
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dir.read("Lumo.csv"), kOldList);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / ".Lumo.csv.download"));
    EXPECT_EQ(progressWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace lumo

namespace lumo {
namespace {

// The station list from the community radio directory, served on 127.0.0.1 by the test.
class DirectoryUpdateTest : public UpdateTest {
protected:
    void SetUp() override {
        UpdateTest::SetUp();
        dir.write("Lumo.csv", std::string(kOldList) + kTelevision);
        window->updater().setSite({"", "", ""});
        good.serve(kSearch, {"application/json", kAnswer});
        waiting.serve(kSearch, {"application/json", "", true});
    }
    void useServers(std::vector<std::string> servers, std::size_t maxBytes = 1024 * 1024) {
        DirectorySettings settings;
        settings.servers = std::move(servers);
        settings.maxBytes = maxBytes;
        window->updater().setDirectory(settings);
    }
    static std::string base(const test::LoopbackHttpServer& server) { return server.url(""); }

    static constexpr const char* kTelevision =
        "\"TV\",\"News\",\"Old TV\",\"http://p\",\"http://tv\",\"NONE\"\r\n";
    static constexpr const char* kSearch =
        "/json/stations/search?hidebroken=true&order=votes&reverse=true";
    static constexpr const char* kAnswer =
        R"([{"name":"Smooth One","url_resolved":"http://127.0.0.1:9/one","homepage":"http://one/",
             "tags":"smooth jazz","votes":9,"lastcheckok":1,
             "stationuuid":"9617a958-0601-11e8-ae97-52543be04c81"},
            {"name":"Local File","url":"file:///etc/passwd","lastcheckok":1},
            {"name":"Rock Two","url":"https://127.0.0.1:9/two","tags":"rock","votes":3,
             "lastcheckok":1,"stationuuid":"11111111-2222-3333-4444-555555555555"}])";
    test::LoopbackHttpServer good, broken, waiting;
};

TEST_F(DirectoryUpdateTest, ServersAreAskedInTurnAndOnlyAWholeListReplacesTheOld) {
    const std::string closed = "http://127.0.0.1:" + std::to_string(test::closedLoopbackPort());
    // Whatever the order, the failing servers pass the turn to the one that answers.
    useServers({closed, base(broken), base(good)});
    const Station old{"RADIO", "Old FM", "http://p", "http://s", "NONE"};
    ASSERT_TRUE(window->favourites().add(old));
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Complete\n2 stations"});
    const std::string list = dir.read("Lumo.csv");
    // Genres of a station each are no genres: "Other", best voted first.
    EXPECT_EQ(list, "\"RADIO\",\"Other\",\"Smooth One\",\"http://one/\",\"http://127.0.0.1:9/one\","
                    "\"NONE\"\r\n\"RADIO\",\"Other\",\"Rock Two\",\"NONE\","
                    "\"https://127.0.0.1:9/two\",\"NONE\"\r\n" +
                        std::string(kTelevision));
    const StationInfoIndex info = readStationInfo(dir.read("STATIONINFO"));
    EXPECT_EQ(info.server, base(good));
    ASSERT_EQ(info.byStream.size(), 2U);
    ASSERT_NE(info.find("http://127.0.0.1:9/one"), nullptr);
    EXPECT_EQ(info.find("http://127.0.0.1:9/one")->tags, "smooth jazz");

    // Playing one of its stations is told to the server that gave the list, once; a station of
    // the listener's own is not.
    const std::string count = "/json/url/9617a958-0601-11e8-ae97-52543be04c81";
    good.serve(count, {"application/json", "{\"ok\":true}"});
    const auto play = [&](const std::string& address) {
        media->setURL(address);
        media->state = PlayState::Playing;
        window->Timer1->tick();
        window->Timer1->tick();
    };
    play("http://127.0.0.1:9/one");
    EXPECT_TRUE(test::waitUntil([&] { return good.requestCount(count) == 1; }, 5000));
    play("http://127.0.0.1:9/two-unknown");
    ASSERT_TRUE(window->myStations().add(
        {"RADIO", "Mine", "Mine", "NONE", "https://127.0.0.1:9/two", "NONE"}));
    play("https://127.0.0.1:9/two");
    QTest::qWait(300);
    EXPECT_EQ(good.requestCount(count), 1);
    EXPECT_EQ(good.requestCount("/json/url/11111111-2222-3333-4444-555555555555"), 0);
    // The new list has no "Old FM": the favourite stays, with its own record.
    EXPECT_EQ(window->favourites().all(), std::vector<Station>{old});
    EXPECT_EQ(Favourites(dir.path() / "FAVOURITES").all(), std::vector<Station>{old});
    ASSERT_EQ(good.requestCount(kSearch), 1);
    EXPECT_NE(good.requests(kSearch).front().find("User-Agent: Lumo/"), std::string::npos);

    // A cut answer, an answer past the cap, and no answer at all keep the list as it is.
    messages.shown.clear();
    good.serve(kSearch, {"application/json", std::string(kAnswer).substr(0, 120)});
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Not Found, Try again later"});
    messages.shown.clear();
    good.serve(kSearch, {"application/json", kAnswer});
    useServers({base(good)}, 200);
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Station Update Not Found, Try again later"});
    messages.shown.clear();
    useServers({closed});
    update();
    EXPECT_EQ(shownTexts(), std::vector<std::string>{" Failed to Connect Update Website"});
    EXPECT_EQ(dir.read("Lumo.csv"), list);
}

TEST_F(DirectoryUpdateTest, TheStationsLogoShowsInThePictureAreaAndAHostileOneIsNotShown) {
    good.serve("/logo.jpg", {"image/jpeg", test::jpegOf(Qt::red, 300, 300)});
    good.serve("/page.png", {"text/html", "<html><body>not a picture</body></html>"});
    good.serve("/huge.png", {"image/png", test::plainPng(20000, 20000)});
    std::string answer = "[";
    for (const char* logo : {"logo.jpg", "page.png", "huge.png"}) {
        answer += std::string(answer.size() > 1 ? "," : "") + R"({"name":")" + logo +
                  R"(","url":"http://127.0.0.1:9/)" + logo + R"(","lastcheckok":1,"favicon":")" +
                  good.url("/") + logo + "\"}";
    }
    good.serve(kSearch, {"application/json", answer + "]"});
    useServers({base(good)});
    update();
    QLabel* logo = window->logoView();
    const auto play = [&](const std::string& address) {
        state.CurrentStation.kind = "RADIO";
        media->setURL(address);
        media->state = PlayState::Playing;
        window->Timer1->tick();
        window->Timer1->tick();
    };
    play("http://127.0.0.1:9/logo.jpg");
    ASSERT_TRUE(test::waitUntil([&] { return !logo->isHidden(); }, 5000))
        << good.requestCount("/logo.jpg") << " " << dir.read("STATIONINFO");
    const QImage shown = logo->pixmap().toImage();
    ASSERT_FALSE(shown.isNull());
    EXPECT_LE(shown.width(), logo->width()) << "decoded at the size shown";
    EXPECT_EQ(QColor(shown.pixel(shown.width() / 2, shown.height() / 2)).red() > 200, true);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "logos")) << "kept in the cache";
    for (const char* hostile : {"page.png", "huge.png"}) {
        play(std::string("http://127.0.0.1:9/") + hostile);
        EXPECT_TRUE(logo->isHidden());
        ASSERT_TRUE(test::waitUntil(
            [&] { return good.requestCount(std::string("/") + hostile) == 1; }, 5000));
        QTest::qWait(500); // the decode has its time
        EXPECT_TRUE(logo->isHidden()) << hostile;
    }
    // Again: from the cache, without asking.
    play("http://127.0.0.1:9/logo.jpg");
    ASSERT_TRUE(test::waitUntil([&] { return !logo->isHidden(); }, 5000));
    EXPECT_EQ(good.requestCount("/logo.jpg"), 1);
    window->playback().stop();
    EXPECT_TRUE(logo->isHidden());
}

TEST_F(DirectoryUpdateTest, TheProgressWindowSaysHowMuchHasArrived) {
    // An answer without a length, that goes on: the bytes are counted.
    good.serve(kSearch, {"application/json", "[" + std::string(4096, ' '), false, 400000, 1});
    useServers({base(good)});
    std::vector<QString> seen;
    static const QRegularExpression bytes(
        QStringLiteral("^Updating stations\\.\\.\\. \\d+\\.\\d MB$"));
    updateWatching([&](UpdateProgressWindow& progress) {
        seen.push_back(progress.text());
        if (bytes.match(seen.back()).hasMatch() && seen.back() != seen.front()) {
            progress.cancelButton()->click();
        }
    });
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(bytes.match(seen.back()).hasMatch()) << seen.back().toStdString();
    EXPECT_EQ(dir.read("Lumo.csv"), std::string(kOldList) + kTelevision);
}

TEST_F(DirectoryUpdateTest, CancelClosesTheConnectionAndKeepsTheList) {
    useServers({base(waiting)});
    int waits = 0;
    updateWatching([&](UpdateProgressWindow& progress) {
        if (waiting.openConnections(kSearch) == 1 && ++waits == 5) {
            progress.cancelButton()->click();
        }
    });
    EXPECT_EQ(waits, 5);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(test::waitUntil([&] { return waiting.openConnections(kSearch) == 0; }, 5000));
    EXPECT_EQ(dir.read("Lumo.csv"), std::string(kOldList) + kTelevision);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace lumo
