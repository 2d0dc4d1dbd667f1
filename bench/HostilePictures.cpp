// How the window answers while hostile pictures arrive: the studio camera and the adverts
// serve a progressive JPEG whose last scan repeats, a 5700 x 5700 PNG and a 9-megapixel PNG of
// noise. A 5 ms timer runs all the while; the time its ticks wait past their due is the time a
// click would wait. Prints that wait, what each picture came to, and the memory taken.
#include "EventWait.h"
#include "Fakes.h"
#include "LoopbackHttpServer.h"
#include "Pictures.h"
#include "TempFolder.h"
#include "app/AdvertRotation.h"
#include "app/LiveFeed.h"
#include "app/PlayerWindow.h"
#include "net/NetEngine.h"
#include "platform/ClickLabel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace lumo;
    QApplication app(argc, argv);
    test::LoopbackHttpServer server;
    const std::pair<const char*, std::string> pictures[] = {
        {"repeated-scan JPEG", test::repeatedScanJpeg(20000, 2048, 2048)},
        {"5700 x 5700 PNG", test::plainPng(5700, 5700)},
        {"3000 x 3000 noise PNG", test::noisyPng(1, 3000, 3000)},
    };
    test::TempFolder dir;
    const AppFolder folder(dir.path());
    ProgramState state;
    test::RecordingUrlOpener shell;
    test::RecordingMessageBoxes messages;
    test::FakeScreenCursor cursor;
    NetEngine network;
    HttpLimits limits;
    limits.maxBytes = 64 * 1024 * 1024;
    PlayerWindow window(state, folder,
                        {shell, messages, cursor, network,
                         [](VideoWidget*) -> std::unique_ptr<MediaPlayer> {
                             return std::make_unique<test::FakeMediaPlayer>();
                         },
                         [] {}, limits});
    window.load();
    window.updateSiteHttpBase = server.url("/").substr(7);
    const double before = residentMegabytes();
    std::printf("resident before: %.1f MB\n", before);
    int advert = 2;
    for (const auto& [name, bytes] : pictures) {
        server.serve("/cam.jpg", {"image/jpeg", bytes});
        server.serve("/AD" + std::to_string(advert) + ".jpg", {"image/jpeg", bytes});
        state.CurrentStation.liveFeedUrl = server.url("/cam.jpg");
        state.advertNumber = static_cast<std::int16_t>(advert++ - 1);
        state.advertListComplete = 0;
        std::vector<qint64> waits;
        QElapsedTimer clock;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        qint64 due = 0;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            waits.push_back(std::max<qint64>(0, clock.elapsed() - due));
            due = clock.elapsed() + 5;
        });
        clock.start();
        due = 5;
        probe.start(5);
        QElapsedTimer took;
        took.start();
        window.liveFeed().RefreshLiveFeed();
        window.Timer4->tick();
        test::waitUntil(
            [&] { return !window.liveFeed().refreshing() && !window.adverts().stepping(); }, 60000);
        const qint64 elapsed = took.elapsed();
        probe.stop();
        std::ranges::sort(waits);
        std::printf("%-22s %7zu bytes: camera \"%s\", advert list %s, %lld ms; a queued event "
                    "waited at most %lld ms (median %lld); resident %.1f MB\n",
                    name, bytes.size(), window.Label3->text().toUtf8().constData(),
                    state.advertListComplete == 1 ? "ended (refused)" : "goes on",
                    static_cast<long long>(elapsed), static_cast<long long>(waits.back()),
                    static_cast<long long>(waits[waits.size() / 2]), residentMegabytes());
    }
    return 0;
}
