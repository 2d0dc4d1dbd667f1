// The FTP layer against a real FTP server on 127.0.0.1, in passive and active mode.
#include "net/FtpClient.h"
#include "BytePattern.h"
#include "EventWait.h"
#include "FtpTestServer.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "net/NetEngine.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Entries = std::optional<std::vector<FtpClient::Entry>>;

// Runs one call of the session to its end: its result, or false when none came.
template <class Call> bool ok(Call call) {
    return test::resultOf<bool>([&](auto done) { call(FtpClient::Done(done)); }).value_or(false);
}

class FtpClientTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << "the test FTP server did not start";
        ASSERT_TRUE(ok([&](auto done) {
            ftp.connect(server.address(), test::FtpTestServer::kUser,
                        test::FtpTestServer::kPassword, GetParam(), done);
        })) << ftp.lastErrorCode()
            << " " << ftp.lastResponse();
    }

    std::string download(const std::string& name) {
        std::string bytes;
        EXPECT_TRUE(ok([&](auto done) {
            ftp.download(
                name, true,
                [&](std::string_view piece) {
                    bytes.append(piece);
                    return true;
                },
                done);
        })) << name;
        return bytes;
    }
    // Given in pieces of at most 255 bytes, as the block-wise upload does.
    bool upload(const std::string& name, const std::string& bytes) {
        std::size_t at = 0;
        return ok([&](auto done) {
            ftp.upload(
                name, true,
                [&](char* buffer, std::size_t room) {
                    const std::size_t n = std::min({room, bytes.size() - at, std::size_t{255}});
                    std::copy_n(bytes.data() + at, n, buffer);
                    at += n;
                    return n;
                },
                done);
        });
    }
    Entries find(const std::string& filter) {
        return test::resultOf<Entries>([&](auto done) { ftp.find(filter, done); })
            .value_or(std::nullopt);
    }

    test::TempFolder root;
    test::FtpTestServer server{root.path()};
    NetEngine engine;
    FtpClient ftp{engine};
};

INSTANTIATE_TEST_SUITE_P(Modes, FtpClientTest, ::testing::Values(true, false),
                         [](const auto& mode) { return mode.param ? "Passive" : "Active"; });

TEST_P(FtpClientTest, TransfersAreByteExactBothWays) {
    for (std::size_t size : {0u, 100u, 255u, 510u, 600u, 5u * 1024 * 1024}) {
        const std::string name = "file" + std::to_string(size) + ".bin";
        root.write(name, test::bytePattern(size));
        EXPECT_EQ(download(name), test::bytePattern(size)) << size;
        ASSERT_TRUE(upload("up" + name, test::bytePattern(size))) << ftp.lastErrorCode();
        EXPECT_EQ(root.read("up" + name), test::bytePattern(size)) << size;
    }
}

TEST_P(FtpClientTest, FoldersListingsAndFileCommands) {
    std::filesystem::create_directories(root.path() / "downloads" / "LUMO");
    root.write("downloads/LUMO/Lumo.csv", "abc");
    root.write("downloads/LUMO/other file.txt", "12345");
    EXPECT_EQ(ftp.currentDirectory(), "/");
    ASSERT_TRUE(ok([&](auto done) { ftp.setCurrentDirectory("downloads/LUMO/", done); }));
    EXPECT_EQ(ftp.currentDirectory(), "/downloads/LUMO");

    const auto csv = find("*.csv");
    ASSERT_TRUE(csv.has_value());
    ASSERT_EQ(csv->size(), 1u);
    EXPECT_EQ(csv->front().name, "Lumo.csv");
    EXPECT_EQ(csv->front().size, 3);
    const auto spaced = find("other file.txt");
    ASSERT_TRUE(spaced && spaced->size() == 1u);
    const auto none = find("missing.csv");
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kNoMoreFiles);

    EXPECT_TRUE(ok([&](auto done) { ftp.makeDirectory("sub", done); }));
    EXPECT_TRUE(ok([&](auto done) { ftp.rename("Lumo.csv", "sub/Renamed.csv", done); }));
    EXPECT_EQ(root.read("downloads/LUMO/sub/Renamed.csv"), "abc");
    EXPECT_TRUE(ok([&](auto done) { ftp.removeFile("sub/Renamed.csv", done); }));
    EXPECT_TRUE(ok([&](auto done) { ftp.removeDirectory("sub", done); }));
    EXPECT_FALSE(std::filesystem::exists(root.path() / "downloads/LUMO/sub"));

    const auto local = root.path() / "copy.txt";
    EXPECT_TRUE(ok([&](auto done) { ftp.getFile("other file.txt", local.string(), true, done); }));
    EXPECT_EQ(root.read("copy.txt"), "12345");
    EXPECT_TRUE(ok([&](auto done) { ftp.putFile(local.string(), "back.txt", true, done); }));
    EXPECT_EQ(root.read("downloads/LUMO/back.txt"), "12345");
}

TEST_P(FtpClientTest, ARefusedCommandLeavesTheServersResponse) {
    EXPECT_FALSE(ok([&](auto done) { ftp.removeFile("no-such-file", done); }));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kServerRefused);
    EXPECT_EQ(ftp.lastResponse().substr(0, 4), "550 ");
    EXPECT_EQ(ftp.lastResponse().find('\n'), std::string::npos);
    EXPECT_FALSE(ok([&](auto done) { ftp.setCurrentDirectory("/not/there", done); }));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kServerRefused);
    EXPECT_EQ(ftp.currentDirectory(), "/");
    EXPECT_FALSE(ok([&](auto done) {
        ftp.download(
            "missing.bin", true, [](std::string_view) { return true; }, done);
    }));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kServerRefused);
    // and the session goes on
    root.write("ok.bin", "ok");
    EXPECT_EQ(download("ok.bin"), "ok");
}

// One call at a time; close() ends the one under way at once, its result never comes, and
// the session can log in again.
TEST(FtpClientClose, CallsOffTheCallUnderWay) {
    test::TempFolder root;
    test::FtpTestServer server(root.path(), 0, 256 * 1024); // a download that takes seconds
    ASSERT_TRUE(server.running());
    root.write("big.bin", test::bytePattern(1024 * 1024));
    NetEngine engine;
    FtpClient ftp(engine);
    auto connect = [&] {
        return ok([&](auto done) {
            ftp.connect(server.address(), test::FtpTestServer::kUser,
                        test::FtpTestServer::kPassword, true, done);
        });
    };
    ASSERT_TRUE(connect());
    bool ended = false;
    std::size_t received = 0;
    ftp.download(
        "big.bin", true,
        [&](std::string_view piece) {
            received += piece.size();
            return true;
        },
        [&](bool) { ended = true; });
    EXPECT_TRUE(ftp.busy());
    EXPECT_FALSE(ok([&](auto done) { ftp.removeFile("big.bin", done); }));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kTransferInProgress);
    ASSERT_TRUE(test::waitUntil([&] { return received > 0; }, 10000));
    ftp.close();
    EXPECT_FALSE(ftp.connected());
    EXPECT_FALSE(ftp.busy());
    test::runFor(300);
    EXPECT_FALSE(ended);
    EXPECT_LT(received, 1024u * 1024);
    EXPECT_EQ(engine.running(), 0);
    EXPECT_TRUE(std::filesystem::exists(root.path() / "big.bin"));
    ASSERT_TRUE(connect());
    EXPECT_TRUE(ok([&](auto done) { ftp.removeFile("big.bin", done); }));
}

TEST(FtpClientConnect, FailuresHaveTheirCodes) {
    test::TempFolder root;
    test::FtpTestServer server(root.path());
    ASSERT_TRUE(server.running());
    NetEngine engine;
    FtpClient ftp(engine);
    auto connect = [&](const std::string& where, const std::string& password) {
        return ok([&](auto done) { ftp.connect(where, "lumo", password, true, done); });
    };
    EXPECT_FALSE(connect(server.address(), "wrong"));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kServerRefused);
    EXPECT_EQ(ftp.lastResponse().substr(0, 3), "530");
    EXPECT_FALSE(ftp.connected());
    EXPECT_FALSE(connect("127.0.0.1:" + std::to_string(test::closedLoopbackPort()), "p"));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kCannotConnect);
    EXPECT_FALSE(connect("no-such-host.invalid", "p"));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kNameNotResolved);
    EXPECT_FALSE(ftp.currentDirectory().has_value());
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kNotConnected);
    EXPECT_FALSE(ok([&](auto done) { ftp.removeFile("x", done); }));
    EXPECT_EQ(ftp.lastErrorCode(), FtpClient::kNotConnected);
    for (int code : {6, 18, 12002, 12003, 12004, 12007, 12029, 12030, 12110}) {
        EXPECT_FALSE(FtpClient::messageFor(code).empty()) << code;
    }
}

} // namespace
} // namespace lumo
