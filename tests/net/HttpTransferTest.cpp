// The HTTP fetch over the network engine against real servers on 127.0.0.1: ours, and
// Python's http.server.
#include "net/HttpTransfer.h"
#include "BytePattern.h"
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "PythonHttpServer.h"
#include "TempFolder.h"
#include "net/NetEngine.h"
#include "net/StationProbe.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumo {
namespace {

using Body = std::optional<std::string>;

class HttpTransferTest : public ::testing::Test {
protected:
    // The whole body, or nothing; a fetch that never ends fails the test.
    Body fetch(const std::string& url) {
        const auto result =
            test::resultOf<Body>([&](auto done) { return http.OpenURL(url, done); });
        EXPECT_TRUE(result.has_value()) << "no result for " << url;
        return result.value_or(std::nullopt);
    }
    bool answers(const std::string& url, long timeout) {
        return test::resultOf<bool>(
                   [&](auto done) { return probeStation(engine, url, timeout, done); })
            .value_or(false);
    }

    test::LoopbackHttpServer server;
    NetEngine engine;
    CurlHttpTransfer http{
        engine,
        HttpLimits{.connectMilliseconds = 2000, .totalMilliseconds = 1500, .maxBytes = 64 * 1024}};
};

TEST_F(HttpTransferTest, BodiesArriveByteForByteFromEitherServer) {
    const std::string picture = test::bytePattern(40000);
    server.serve("/cam.jpg", {"image/jpeg", picture});
    server.serve("/empty", {"text/plain", ""});
    EXPECT_TRUE(fetch(server.url("/cam.jpg")) == picture);
    EXPECT_EQ(fetch(server.url("/empty")), std::string());
    // A URL without a scheme is fetched over http.
    EXPECT_TRUE(fetch(server.url("/cam.jpg").substr(7)) == picture);
    const auto request = server.requests("/cam.jpg").back();
    EXPECT_NE(request.find("\r\nUser-Agent: Lumo/" LUMO_VERSION "\r\n"), std::string::npos);

    test::TempFolder site;
    site.write("AD2.jpg", picture);
    test::PythonHttpServer python(site.path());
    ASSERT_TRUE(python.running());
    EXPECT_TRUE(fetch(python.url("/AD2.jpg")) == picture);
    EXPECT_FALSE(fetch(python.url("/AD3.jpg")).has_value()) << "its 404 page is no body";
    EXPECT_EQ(engine.running(), 0);
    EXPECT_TRUE(test::waitUntil([&] { return engine.watchedSockets() == 0; }, 2000))
        << "every socket is let go";
}

TEST_F(HttpTransferTest, ErrorsRedirectsAndSizesThatFail) {
    server.serve("/big", {"image/jpeg", test::bytePattern(64 * 1024 + 1)});
    server.serve("/live-big", {"image/jpeg", test::bytePattern(50000), false, 200000});
    server.serve("/cam.jpg", {"image/jpeg", "jpeg bytes"});
    auto redirect = [&](const std::string& path, const std::string& to) {
        test::LoopbackHttpServer::Resource r;
        r.redirectTo = to;
        server.serve(path, r);
    };
    redirect("/to-file", "file:///etc/passwd");
    redirect("/to-ftp", "ftp://127.0.0.1/Lumo.csv");
    redirect("/to-cam", server.url("/cam.jpg"));
    EXPECT_EQ(fetch(server.url("/to-cam")), "jpeg bytes");
    for (const std::string& failing :
         {server.url("/missing"), server.url("/big"), server.url("/live-big"),
          server.url("/to-file"), server.url("/to-ftp"), std::string("file:///etc/passwd"),
          std::string("ftp://127.0.0.1/x"), std::string("javascript:alert(1)"), std::string(""),
          "http://127.0.0.1:" + std::to_string(test::closedLoopbackPort()) + "/"}) {
        EXPECT_FALSE(fetch(failing).has_value()) << failing;
    }
    EXPECT_EQ(server.requestCount("/to-file"), 1);
}

// Each fetch has its own clocks: a silent server holds nothing up but its own fetch, in
// whichever order the two start.
TEST_F(HttpTransferTest, OverlappingFetchesEndAsEachWouldAlone) {
    test::LoopbackHttpServer::Resource slow{"image/jpeg", "late but whole"};
    slow.answerAfterMilliseconds = 300;
    server.serve("/slow", slow);
    server.serve("/silent", {"image/jpeg", "", true});
    for (const bool silentFirst : {true, false}) {
        std::vector<std::string> ended;
        Body slowBody;
        PendingPtr first, second;
        auto startSilent = [&] {
            return http.OpenURL(server.url("/silent"), [&](const Body& body) {
                EXPECT_FALSE(body.has_value());
                ended.emplace_back("silent");
            });
        };
        auto startSlow = [&] {
            return http.OpenURL(server.url("/slow"), [&](Body body) {
                slowBody = std::move(body);
                ended.emplace_back("slow");
            });
        };
        first = silentFirst ? startSilent() : startSlow();
        second = silentFirst ? startSlow() : startSilent();
        ASSERT_TRUE(test::waitUntil([&] { return ended.size() == 2; }, 10000));
        EXPECT_EQ(ended, (std::vector<std::string>{"slow", "silent"})) << silentFirst;
        EXPECT_EQ(slowBody, "late but whole") << silentFirst;
    }
}

// A fetch whose reason has gone is cancelled at once: the server sees its connection close,
// and its result never arrives. So it goes for every fetch still running when the engine goes.
TEST_F(HttpTransferTest, DroppingAFetchClosesItsConnectionAndNothingArrives) {
    server.serve("/silent", {"image/jpeg", "", true});
    bool arrived = false;
    auto pending = http.OpenURL(server.url("/silent"), [&](const Body&) { arrived = true; });
    ASSERT_TRUE(test::waitUntil([&] { return server.openConnections("/silent") == 1; }, 5000));
    pending.reset();
    EXPECT_TRUE(test::waitUntil([&] { return server.openConnections("/silent") == 0; }, 5000));
    test::runFor(1700); // past the fetch's own time limit
    EXPECT_FALSE(arrived);
    EXPECT_EQ(engine.running(), 0);

    auto engineOfItsOwn = std::make_unique<NetEngine>();
    CurlHttpTransfer shortLived(*engineOfItsOwn);
    auto orphan = shortLived.OpenURL(server.url("/silent"), [&](const Body&) { arrived = true; });
    ASSERT_TRUE(test::waitUntil([&] { return server.openConnections("/silent") == 1; }, 5000));
    engineOfItsOwn.reset();
    EXPECT_TRUE(test::waitUntil([&] { return server.openConnections("/silent") == 0; }, 5000));
    orphan.reset();
    EXPECT_FALSE(arrived);
}

// The reconnect's cheap look at a station: an answer with a stream, nothing more.
// At start-up the station's stream is the one transfer: it connects while the window is still
// being built, before the event loop first turns.
TEST_F(HttpTransferTest, ALoneFetchConnectsBeforeTheEventLoopTurns) {
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto* any = reinterpret_cast<sockaddr*>(&address);
    ASSERT_EQ(::bind(listener, any, length), 0);
    ASSERT_EQ(::listen(listener, 4), 0);
    ASSERT_EQ(::getsockname(listener, any, &length), 0);
    const auto pending =
        http.OpenURL("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/live",
                     [](const Body&) {});
    pollfd waiting{listener, POLLIN, 0};
    EXPECT_EQ(::poll(&waiting, 1, 5000), 1) << "no connection without the event loop";
    ::close(listener);
}

TEST_F(HttpTransferTest, AStationAnswersWhenItsStreamStarts) {
    server.serve("/live", {"audio/mpeg", std::string(4096, 'x'), false, 8000});
    server.serve("/silent", {"audio/mpeg", "", true});
    EXPECT_TRUE(answers(server.url("/live"), 1000));
    EXPECT_FALSE(answers(server.url("/gone"), 1000)) << "a mount without its source: 404";
    EXPECT_FALSE(answers(server.url("/silent"), 300));
    EXPECT_FALSE(answers("http://127.0.0.1:" + std::to_string(test::closedLoopbackPort()), 1000));
    EXPECT_FALSE(answers("mms://127.0.0.1/live", 1000)) << "only http(s) can be looked at";
    EXPECT_NE(server.requests("/live").front().find("User-Agent: Lumo/"), std::string::npos);
}

} // namespace
} // namespace lumo
