// Read-ahead benchmark, not a test (bench/readahead.sh runs it once for each size): libVLC
// with the given read-ahead plays a loopback live stream (about 350 kbps, pieces up to the
// given jitter late), and prints what was heard and what it cost: audio buffers played and
// lost, the times the input ran dry (buffering once it had played steadily), and the growth of
// this process's resident memory after the first 5 s.
//   lumo_bench_readahead KiB seconds jitter-ms
#include "LoopbackHttpServer.h"
#include "Wav.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vlc/vlc.h>

namespace {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
    }
    return 0;
}

struct Counts {
    std::atomic<bool> steady{false}; // played for a while: a buffering now means it ran dry
    std::atomic<bool> playing{false};
    std::atomic<int> dry{0};
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s KiB seconds jitter-ms\n", argv[0]);
        return 2;
    }
    const int kib = std::atoi(argv[1]);
    const int seconds = std::atoi(argv[2]);
    lumo::test::LoopbackHttpServer server;
    lumo::test::LoopbackHttpServer::Resource live{"audio/wav", lumo::test::endlessSineWav(2, 22050),
                                                  false, 44100, lumo::test::kWavHeaderBytes};
    live.jitterMilliseconds = std::atoi(argv[3]);
    server.serve("/live", live);
    const std::string url = server.url("/live");

    // libVLC takes the larger of the two as its buffer: the read size must not exceed it.
    const std::string size = "--prefetch-buffer-size=" + std::to_string(kib);
    const std::string read = "--prefetch-read-size=" + std::to_string(std::min(kib * 1024, 65536));
    const char* args[] = {"--aout=dummy", "--vout=dummy", "--quiet", size.c_str(), read.c_str()};
    libvlc_instance_t* vlc = libvlc_new(5, args);
    libvlc_media_t* media = libvlc_media_new_location(vlc, url.c_str());
    libvlc_media_player_t* player = libvlc_media_player_new_from_media(media);
    Counts counts;
    libvlc_event_manager_t* events = libvlc_media_player_event_manager(player);
    auto onEvent = +[](const libvlc_event_t* event, void* user) {
        auto* c = static_cast<Counts*>(user);
        if (event->type == libvlc_MediaPlayerPlaying) {
            c->playing = true;
        } else if (event->type == libvlc_MediaPlayerBuffering && c->steady && c->playing &&
                   event->u.media_player_buffering.new_cache < 100.0f) {
            ++c->dry;
            c->playing = false; // counted once until it plays again
        }
    };
    libvlc_event_attach(events, libvlc_MediaPlayerPlaying, onEvent, &counts);
    libvlc_event_attach(events, libvlc_MediaPlayerBuffering, onEvent, &counts);
    libvlc_media_player_play(player);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    counts.steady = true;
    const long before = residentKiB();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const long after = residentKiB();
    libvlc_media_stats_t stats{};
    libvlc_media_get_stats(media, &stats);
    std::printf("read-ahead %5d KiB: audio buffers played %d, lost %d; ran dry %d times; "
                "resident memory %+.1f MB\n",
                kib, stats.i_played_abuffers, stats.i_lost_abuffers, counts.dry.load(),
                (after - before) / 1024.0);
    libvlc_media_player_stop(player);
    libvlc_media_player_release(player);
    libvlc_media_release(media);
    libvlc_release(vlc);
    return 0;
}
