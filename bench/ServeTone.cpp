// Serves a WAV tone on 127.0.0.1 for the start-up and idle benchmarks: prints the address of a
// two-minute clip, then that of an endless live stream (44100 bytes a second, a new ICY title
// every few seconds), then serves until its standard input closes.
#include "LoopbackHttpServer.h"
#include "Wav.h"

#include <atomic>
#include <iostream>
#include <string>

int main() {
    lumo::test::LoopbackHttpServer server;
    server.serve("/tone.wav", {"audio/wav", lumo::test::sineWav(120, 44100)});
    lumo::test::LoopbackHttpServer::Resource live{"audio/wav", lumo::test::endlessSineWav(2, 22050),
                                                  false, 44100, lumo::test::kWavHeaderBytes};
    std::atomic<int> blocks{0};
    live.makeTitle = [&blocks] { return "Bench Artist - Song " + std::to_string(++blocks / 20); };
    server.serve("/live", live);
    std::cout << server.url("/tone.wav") << "\n" << server.url("/live") << std::endl;
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
