// Reconnect benchmark, not a test: a live stream on 127.0.0.1 whose mount goes away for 5, 40
// and 120 seconds (the server answers 404 meanwhile, as Icecast does without a source). Prints,
// for each outage, the time from the mount's return to playing, how often the player asked
// while it was away, and the shortest time between two of those requests (seen to 50 ms).
#include "EventWait.h"
#include "Fakes.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "app/PlayerWindow.h"
#include "media/VlcMediaPlayer.h"
#include "net/NetEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <optional>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using namespace lumo;
    const test::LoopbackHttpServer::Resource live{"audio/wav", test::endlessSineWav(2, 44100),
                                                  false, 88200, test::kWavHeaderBytes};
    std::optional<test::LoopbackHttpServer> server(std::in_place);
    const std::uint16_t port = server->port();
    server->serve("/live", live);
    test::TempFolder dir;
    dir.write("DEFAULT", "\"RADIO\",\"Bench\",\"\",\"" + server->url("/live") + "\",\"NONE\"\r\n");
    const AppFolder folder(dir.path());
    ProgramState state;
    test::RecordingUrlOpener shell;
    test::RecordingMessageBoxes messages;
    test::FakeScreenCursor cursor;
    NetEngine network;
    PlayerWindow window(state, folder,
                        {shell, messages, cursor, network,
                         [&network](VideoWidget* video) -> std::unique_ptr<MediaPlayer> {
                             VlcMediaPlayer::Options options;
                             options.vlcArguments = {"--aout=dummy", "--vout=dummy"};
                             return std::make_unique<VlcMediaPlayer>(video, network, options);
                         },
                         [] {}});
    window.load();
    auto playing = [&] { return window.media().playState() == PlayState::Playing; };
    if (!test::waitUntil(playing, 20000)) {
        std::puts("the stream never played");
        return 1;
    }
    for (const int outage : {5, 40, 120}) {
        test::waitUntil([] { return false; }, 3000); // playing steadily
        server.reset();
        server.emplace(port); // the mount is gone: 404
        QElapsedTimer away;
        away.start();
        int asked = 0;
        qint64 lastAsk = -1;
        qint64 closest = -1;
        while (away.elapsed() < outage * 1000) {
            test::waitUntil([] { return false; }, 50);
            if (const int count = server->requestCount("/live"); count != asked) {
                if (lastAsk >= 0 && (closest < 0 || away.elapsed() - lastAsk < closest)) {
                    closest = away.elapsed() - lastAsk;
                }
                asked = count;
                lastAsk = away.elapsed();
            }
        }
        server->serve("/live", live);
        QElapsedTimer back;
        back.start();
        const bool recovered = test::waitUntil(playing, 120000);
        std::printf("outage %3d s: %s %.1f s after the return; asked %d times while away "
                    "(once every %.1f s; closest two %.1f s apart)\n",
                    outage, recovered ? "playing" : "NOT playing", back.elapsed() / 1000.0, asked,
                    asked > 0 ? outage / static_cast<double>(asked) : 0.0,
                    closest < 0 ? 0.0 : closest / 1000.0);
        std::fflush(stdout);
    }
    return 0;
}
