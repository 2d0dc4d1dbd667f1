// A live stream through the real libVLC whose server goes away mid-play and comes back.
#include "EventWait.h"
#include "Fakes.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "app/PlayerWindow.h"
#include "app/StreamKeeper.h"
#include "platform/VlcMediaPlayer.h"

#include <gtest/gtest.h>
#include <optional>

namespace lumo {
namespace {

TEST(LiveStreamReconnect, AStreamWhoseServerRestartsComesBackByItself) {
    const test::LoopbackHttpServer::Resource live{"audio/wav", test::endlessSineWav(2), false,
                                                  16000, test::kWavHeaderBytes};
    std::optional<test::LoopbackHttpServer> server(std::in_place);
    const std::uint16_t port = server->port();
    server->serve("/live", live);

    test::TempFolder dir;
    dir.write("DEFAULT",
              "\"RADIO\",\"Loopback Live\",\"\",\"" + server->url("/live") + "\",\"NONE\"\r\n");
    AppFolder folder(dir.path());
    ProgramState state;
    test::RecordingUrlOpener shell;
    test::RecordingMessageBoxes messages;
    test::FakeScreenCursor cursor;
    PlayerWindow window(
        state, folder,
        {shell, messages, cursor,
         [](VideoWidget* video) -> std::unique_ptr<MediaPlayer> {
             VlcMediaPlayer::Options options;
             options.vlcArguments = {"--aout=dummy", "--vout=dummy", "--network-caching=300"};
             options.stallTimeoutMilliseconds = 3000;
             return std::make_unique<VlcMediaPlayer>(video, options);
         },
         [] {}});
    window.load();
    auto playing = [&] { return window.media().playState() == PlayState::Playing; };
    ASSERT_TRUE(test::waitUntil(playing, 15000)) << window.media().status();
    EXPECT_EQ(window.media().duration(), 0) << "a live stream has no length";
    test::waitUntil([] { return false; }, 1000); // a status tick or two while playing

    server.reset(); // the station goes off the air
    ASSERT_TRUE(test::waitUntil([&] { return window.Label1->text() == "Reconnecting..."; }, 15000))
        << window.Label1->text().toStdString();
    EXPECT_NE(window.media().playState(), PlayState::Playing);

    server.emplace(port); // and comes back on the same address
    server->serve("/live", live);
    EXPECT_TRUE(test::waitUntil(playing, 20000)) << window.Label1->text().toStdString();
    EXPECT_GE(server->requestCount("/live"), 1);
    EXPECT_EQ(window.media().URL(), "http://127.0.0.1:" + std::to_string(port) + "/live");
}

} // namespace
} // namespace lumo
