// A live stream through the real libVLC whose server goes away mid-play and comes back.
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "PlayerWindowFixture.h"
#include "PythonHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "app/PlayerWindow.h"
#include "media/VlcMediaPlayer.h"
#include "platform/ClickLabel.h"
#include "playback/StreamKeeper.h"

#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace lumo {
namespace {

class LiveStreamReconnect : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        server.emplace();
        port = server->port();
        server->serve("/live", live);
        dir.write("DEFAULT",
                  "\"RADIO\",\"Loopback Live\",\"\",\"" + server->url("/live") + "\",\"NONE\"\r\n");
        VlcMediaPlayer::Options options;
        options.vlcArguments = {"--network-caching=300"};
        options.stallTimeoutMilliseconds = 3000;
        options.openTimeoutMilliseconds = 5000; // an attempt that hangs is retried soon
        window = makeWindowWithLibVlc(options);
        window->load();
    }

    bool playing() const { return window->media().playState() == PlayState::Playing; }
    void restartServer() {
        server.reset();
        server.emplace(port);
        server->serve("/live", live);
    }

    const test::LoopbackHttpServer::Resource live{"audio/wav", test::endlessSineWav(2, 44100),
                                                  false, 88200, test::kWavHeaderBytes};
    std::optional<test::LoopbackHttpServer> server;
    std::uint16_t port = 0;
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(LiveStreamReconnect, AStreamWhoseServerRestartsComesBackByItself) {
    ASSERT_TRUE(test::waitUntil([&] { return playing(); }, 15000)) << window->media().status();
    EXPECT_EQ(window->media().duration(), 0) << "a live stream has no length";
    test::waitUntil([] { return false; }, 1000); // a status tick or two while playing

    server.reset(); // the station goes off the air
    ASSERT_TRUE(test::waitUntil([&] { return window->Label1->text() == "Reconnecting..."; }, 30000))
        << window->Label1->text().toStdString();
    EXPECT_FALSE(playing());

    server.emplace(port); // and comes back on the same address
    server->serve("/live", live);
    EXPECT_TRUE(test::waitUntil([&] { return playing(); }, 80000))
        << window->Label1->text().toStdString();
    EXPECT_GE(server->requestCount("/live"), 1);
    EXPECT_EQ(window->media().URL(), "http://127.0.0.1:" + std::to_string(port) + "/live");
}

TEST_F(LiveStreamReconnect, PlayAfterALongPauseReconnectsWhenTheServerLetGo) {
    ASSERT_TRUE(test::waitUntil([&] { return playing(); }, 15000)) << window->media().status();
    QTest::mouseClick(window->Image25, Qt::LeftButton);
    ASSERT_TRUE(
        test::waitUntil([&] { return window->media().playState() == PlayState::Paused; }, 5000));
    restartServer(); // the connection held while paused is gone
    const int before = server->requestCount("/live");
    QTest::mouseClick(window->Image2, Qt::LeftButton);
    EXPECT_TRUE(
        test::waitUntil([&] { return playing() && server->requestCount("/live") > before; }, 80000))
        << window->Label1->text().toStdString();
}
// A clip from a server that cannot seek (Python's http.server sends no byte ranges) is still a
// clip: it shows its length, ends "Complete" and is not fetched again.
class ClipFromASimpleServer : public ::testing::Test, protected test::PlayerWindowFixture {};

TEST_F(ClipFromASimpleServer, EndsCompleteAndIsNotFetchedAgain) {
    test::TempFolder site;
    site.write("clip.wav", test::sineWav(4));
    test::PythonHttpServer server(site.path());
    ASSERT_TRUE(server.running());
    dir.write("DEFAULT",
              "\"RADIO\",\"Clip\",\"\",\"" + server.url("/clip.wav") + "\",\"NONE\"\r\n");
    VlcMediaPlayer::Options options;
    options.vlcArguments = {"--network-caching=300"};
    auto window = makeWindowWithLibVlc(options);
    window->load();
    ASSERT_TRUE(
        test::waitUntil([&] { return window->media().playState() == PlayState::Playing; }, 15000))
        << window->media().status();
    EXPECT_NEAR(window->media().duration(), 4.0, 0.5);
    ASSERT_TRUE(test::waitUntil([&] { return window->Label1->text() == "Complete"; }, 30000))
        << window->Label1->text().toStdString();
    const int fetched = server.requestCount("/clip.wav");
    EXPECT_GE(fetched, 1);
    test::waitUntil([] { return false; }, 4000); // longer than the first reconnect's wait
    EXPECT_EQ(window->Label1->text(), "Complete");
    EXPECT_EQ(server.requestCount("/clip.wav"), fetched);
}

} // namespace
} // namespace lumo
