// The HTTP fetch against real servers on 127.0.0.1: ours, and Python's http.server.
#include "BytePattern.h"
#include "LoopbackHttpServer.h"
#include "PythonHttpServer.h"
#include "TempFolder.h"
#include "net/HttpTransfer.h"
#include "net/StationCheck.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class HttpTransferTest : public ::testing::Test {
protected:
    test::LoopbackHttpServer server;
    CurlHttpTransfer http{HttpLimits{2000, 1500, 64 * 1024, 5}};
};

TEST_F(HttpTransferTest, BodiesArriveByteForByteFromEitherServer) {
    const std::string picture = test::bytePattern(40000);
    server.serve("/cam.jpg", {"image/jpeg", picture});
    server.serve("/empty", {"text/plain", ""});
    EXPECT_TRUE(http.OpenURL(server.url("/cam.jpg")) == picture);
    EXPECT_EQ(http.OpenURL(server.url("/empty")), std::string());
    // A URL without a scheme is fetched over http.
    EXPECT_TRUE(http.OpenURL(server.url("/cam.jpg").substr(7)) == picture);
    const auto request = server.requests("/cam.jpg").back();
    EXPECT_NE(request.find("\r\nUser-Agent: Lumo/" LUMO_VERSION "\r\n"), std::string::npos);

    test::TempFolder site;
    site.write("AD2.jpg", picture);
    test::PythonHttpServer python(site.path());
    ASSERT_TRUE(python.running());
    EXPECT_TRUE(http.OpenURL(python.url("/AD2.jpg")) == picture);
    EXPECT_FALSE(http.OpenURL(python.url("/AD3.jpg")).has_value()) << "its 404 page is no body";
}

TEST_F(HttpTransferTest, ErrorsRedirectsAndSizesThatFail) {
    server.serve("/big", {"image/jpeg", test::bytePattern(64 * 1024 + 1)});
    server.serve("/live-big", {"image/jpeg", test::bytePattern(50000), false, 200000});
    server.serve("/to-file", {"", ""});
    server.serve("/to-ftp", {"", ""});
    server.serve("/to-cam", {"", ""});
    server.serve("/cam.jpg", {"image/jpeg", "jpeg bytes"});
    auto redirect = [&](const std::string& path, const std::string& to) {
        test::LoopbackHttpServer::Resource r;
        r.redirectTo = to;
        server.serve(path, r);
    };
    redirect("/to-file", "file:///etc/passwd");
    redirect("/to-ftp", "ftp://127.0.0.1/Lumo.csv");
    redirect("/to-cam", server.url("/cam.jpg"));
    EXPECT_EQ(http.OpenURL(server.url("/to-cam")), "jpeg bytes");
    for (const std::string& failing :
         {server.url("/missing"), server.url("/big"), server.url("/live-big"),
          server.url("/to-file"), server.url("/to-ftp"), std::string("file:///etc/passwd"),
          std::string("ftp://127.0.0.1/x"), std::string("javascript:alert(1)"), std::string(""),
          "http://127.0.0.1:" + std::to_string(test::closedLoopbackPort()) + "/"}) {
        EXPECT_FALSE(http.OpenURL(failing).has_value()) << failing;
    }
    EXPECT_EQ(server.requestCount("/to-file"), 1);
}

TEST_F(HttpTransferTest, ASilentServerIsGivenUpWhileTheWindowsEventsRun) {
    server.serve("/silent", {"image/jpeg", "", true});
    bool eventHandled = false;
    QTimer::singleShot(50, [&] { eventHandled = true; });
    EXPECT_FALSE(http.OpenURL(server.url("/silent")).has_value());
    EXPECT_TRUE(eventHandled) << "an event queued during the fetch ran during it";

    // Called off from an event that runs while it waits: it ends at once.
    bool ending = false;
    http.setCancelCheck([&] { return ending; });
    QTimer::singleShot(50, [&] { ending = true; });
    EXPECT_FALSE(http.OpenURL(server.url("/silent")).has_value());
    EXPECT_TRUE(ending);
    EXPECT_FALSE(http.OpenURL(server.url("/cam.jpg")).has_value()) << "nothing starts any more";
}

// The reconnect's cheap look at a station: an answer with a stream, nothing more.
TEST_F(HttpTransferTest, AStationAnswersWhenItsStreamStarts) {
    server.serve("/live", {"audio/mpeg", std::string(4096, 'x'), false, 8000});
    server.serve("/silent", {"audio/mpeg", "", true});
    EXPECT_TRUE(stationAnswers(server.url("/live"), 1000));
    EXPECT_FALSE(stationAnswers(server.url("/gone"), 1000)) << "a mount without its source: 404";
    EXPECT_FALSE(stationAnswers(server.url("/silent"), 300));
    EXPECT_FALSE(
        stationAnswers("http://127.0.0.1:" + std::to_string(test::closedLoopbackPort()), 1000));
    EXPECT_FALSE(stationAnswers("mms://127.0.0.1/live", 1000)) << "only http(s) can be looked at";
    EXPECT_NE(server.requests("/live").front().find("User-Agent: Lumo/"), std::string::npos);
}

} // namespace
} // namespace lumo
