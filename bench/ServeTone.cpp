// Serves a WAV tone on 127.0.0.1 for the start-up benchmark: prints its address, then serves
// until its standard input closes.
#include "LoopbackHttpServer.h"
#include "Wav.h"

#include <iostream>
#include <string>

int main() {
    lumo::test::LoopbackHttpServer server;
    server.serve("/tone.wav", {"audio/wav", lumo::test::sineWav(120, 44100)});
    std::cout << server.url("/tone.wav") << std::endl;
    std::string ignored;
    while (std::getline(std::cin, ignored)) {
    }
    return 0;
}
