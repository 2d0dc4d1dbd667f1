#pragma once

#include "Fakes.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "app/OwnStationActions.h"
#include "app/PlayerWindow.h"
#include "app/SongTitles.h"
#include "app/StationsUpdater.h"
#include "media/VlcMediaPlayer.h"
#include "net/NetEngine.h"
#include "playback/Playback.h"

#include <memory>

namespace lumo::test {

// A player window on a temporary application folder, with a fake media player and
// recording desktop services. Its update site is a closed port on 127.0.0.1 until a test gives
// its own: no test reaches the compiled-in site.
class PlayerWindowFixture {
protected:
    static std::unique_ptr<PlayerWindow> withLoopbackSite(std::unique_ptr<PlayerWindow> window) {
        window->updater().setSite({"127.0.0.1:" + std::to_string(closedLoopbackPort()), "u", "p"});
        return window;
    }

    // The window over `player`, with the fixture's services.
    std::unique_ptr<PlayerWindow>
    windowWith(std::function<std::unique_ptr<MediaPlayer>(VideoWidget*)> player) {
        return withLoopbackSite(std::make_unique<PlayerWindow>(
            state, folder,
            PlayerWindowServices{.shell = shell,
                                 .messages = messages,
                                 .cursor = cursor,
                                 .network = network,
                                 .makeMediaPlayer = std::move(player),
                                 .endProgram = [this] { ++endRequests; },
                                 .httpLimits = httpLimits,
                                 .desktopBus = desktopBus,
                                 .pictureLimits = pictureLimits,
                                 .clock = clock,
                                 .recordings = dir.path() / "Music",
                                 .freeSpace = freeSpace}));
    }

    std::unique_ptr<PlayerWindow> makeWindow() {
        return windowWith([this](VideoWidget*) -> std::unique_ptr<MediaPlayer> {
            auto fake = std::make_unique<FakeMediaPlayer>();
            media = fake.get();
            return fake;
        });
    }

    // A default station (a radio station that does not answer) whose studio camera is at
    // `camera`, with short time limits for the window's fetches.
    void defaultStationWithCamera(const std::string& camera) {
        httpLimits = HttpLimits{
            .connectMilliseconds = 1000, .totalMilliseconds = 1500, .maxBytes = 1024 * 1024};
        dir.write("DEFAULT", "\"RADIO\",\"Cam FM\",\"http://p\",\"http://127.0.0.1:9/s\",\"" +
                                 camera + "\"\r\n");
    }

    // The same window over the real libVLC, with its dummy outputs.
    std::unique_ptr<PlayerWindow> makeWindowWithLibVlc(VlcMediaPlayer::Options options = {}) {
        options.vlcArguments.insert(options.vlcArguments.begin(), {"--aout=dummy", "--vout=dummy"});
        return windowWith([this, options](VideoWidget* video) -> std::unique_ptr<MediaPlayer> {
            return std::make_unique<VlcMediaPlayer>(video, network, options);
        });
    }

    NetEngine network; // outlives every window of a test
    TempFolder dir;
    AppFolder folder{dir.path()};
    ProgramState state;
    RecordingUrlOpener shell;
    RecordingMessageBoxes messages;
    FakeScreenCursor cursor;
    FakeMediaPlayer* media = nullptr;
    int endRequests = 0;
    HttpLimits httpLimits{}; // the window's fetches
    PictureLimits pictureLimits{};
    std::function<std::chrono::steady_clock::time_point()> clock{}; // the sleep timer's
    bool desktopBus = false;                                        // MPRIS on the session bus
    std::function<std::int64_t(const std::filesystem::path&)> freeSpace{}; // for recordings
};

} // namespace lumo::test
