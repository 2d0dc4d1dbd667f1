// The soak benchmark's stations: two live WAV streams on 127.0.0.1 (/a and /b, about 350 kbps
// each, their ICY titles changing every 20 s, pieces up to 400 ms late). Prints the two
// addresses, then obeys its standard input line by line: "down" stops the server (every
// connection dropped, the port refused), "up" brings it back on the same port. Ends with its
// input.
#include "LoopbackHttpServer.h"
#include "Wav.h"

#include <chrono>
#include <iostream>
#include <optional>
#include <string>

namespace {

void serveStations(lumo::test::LoopbackHttpServer& server) {
    for (const char* mount : {"/a", "/b"}) {
        lumo::test::LoopbackHttpServer::Resource live{"audio/wav",
                                                      lumo::test::endlessSineWav(2, 22050), false,
                                                      44100, lumo::test::kWavHeaderBytes};
        live.makeTitle = [mount] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            return std::string("Soak Artist - Song ") + (mount + 1) + " " +
                   std::to_string(std::chrono::duration_cast<std::chrono::seconds>(now).count() /
                                  20);
        };
        live.jitterMilliseconds = 400;
        server.serve(mount, live);
    }
}

} // namespace

int main() {
    std::optional<lumo::test::LoopbackHttpServer> server(std::in_place);
    const std::uint16_t port = server->port();
    serveStations(*server);
    std::cout << server->url("/a") << ' ' << server->url("/b") << std::endl;
    std::string command;
    while (std::getline(std::cin, command)) {
        if (command == "down") {
            server.reset();
        } else if (command == "up" && !server) {
            server.emplace(port);
            serveStations(*server);
        }
    }
    return 0;
}
