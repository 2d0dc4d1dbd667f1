// The FTP layer against a real FTP server on 127.0.0.1, in passive and active mode.
#include "net/FtpSession.h"
#include "BytePattern.h"
#include "FtpTestServer.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

class FtpSessionTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running()) << "the test FTP server did not start";
        ASSERT_TRUE(ftp.connect(server.address(), test::FtpTestServer::kUser,
                                test::FtpTestServer::kPassword, GetParam()))
            << ftp.lastErrorCode() << " " << ftp.lastResponse();
    }

    std::string download(const std::string& name, std::size_t block = 255) {
        std::string bytes;
        EXPECT_TRUE(ftp.openForReading(name, true));
        std::vector<char> buffer(block);
        std::size_t got = 0;
        do {
            EXPECT_TRUE(ftp.read(buffer.data(), block, got));
            bytes.append(buffer.data(), got);
        } while (got == block);
        EXPECT_TRUE(ftp.closeFile());
        return bytes;
    }

    test::TempFolder root;
    test::FtpTestServer server{root.path()};
    FtpSession ftp;
};

INSTANTIATE_TEST_SUITE_P(Modes, FtpSessionTest, ::testing::Values(true, false),
                         [](const auto& mode) { return mode.param ? "Passive" : "Active"; });

TEST_P(FtpSessionTest, BlockReadsAreByteExact) {
    for (std::size_t size : {0u, 100u, 255u, 510u, 600u, 5u * 1024 * 1024}) {
        const std::string name = "file" + std::to_string(size) + ".bin";
        root.write(name, test::bytePattern(size));
        EXPECT_EQ(download(name), test::bytePattern(size)) << size;
    }
}

TEST_P(FtpSessionTest, BlockWritesAreByteExact) {
    for (std::size_t size : {0u, 100u, 510u, 600u, 5u * 1024 * 1024}) {
        const std::string bytes = test::bytePattern(size);
        const std::string name = "up" + std::to_string(size) + ".bin";
        ASSERT_TRUE(ftp.openForWriting(name, true));
        for (std::size_t at = 0; at < size; at += 255) {
            ASSERT_TRUE(ftp.write(bytes.data() + at, std::min<std::size_t>(255, size - at)));
        }
        ASSERT_TRUE(ftp.closeFile());
        EXPECT_EQ(root.read(name), bytes) << size;
    }
}

TEST_P(FtpSessionTest, FoldersListingsAndFileCommands) {
    std::filesystem::create_directories(root.path() / "downloads" / "LUMO");
    root.write("downloads/LUMO/Lumo.csv", "abc");
    root.write("downloads/LUMO/other file.txt", "12345");
    EXPECT_EQ(ftp.currentDirectory(), "/");
    ASSERT_TRUE(ftp.setCurrentDirectory("downloads/LUMO/"));
    EXPECT_EQ(ftp.currentDirectory(), "/downloads/LUMO");

    const auto csv = ftp.find("*.csv");
    ASSERT_TRUE(csv.has_value());
    ASSERT_EQ(csv->size(), 1u);
    EXPECT_EQ(csv->front().name, "Lumo.csv");
    EXPECT_EQ(csv->front().size, 3);
    const auto spaced = ftp.find("other file.txt");
    ASSERT_TRUE(spaced && spaced->size() == 1u);
    const auto none = ftp.find("missing.csv");
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->empty());
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kNoMoreFiles);

    EXPECT_TRUE(ftp.makeDirectory("sub"));
    EXPECT_TRUE(ftp.rename("Lumo.csv", "sub/Renamed.csv"));
    EXPECT_EQ(root.read("downloads/LUMO/sub/Renamed.csv"), "abc");
    EXPECT_TRUE(ftp.removeFile("sub/Renamed.csv"));
    EXPECT_TRUE(ftp.removeDirectory("sub"));
    EXPECT_FALSE(std::filesystem::exists(root.path() / "downloads/LUMO/sub"));

    const auto local = root.path() / "copy.txt";
    EXPECT_TRUE(ftp.getFile("other file.txt", local.string(), true));
    EXPECT_EQ(root.read("copy.txt"), "12345");
    EXPECT_TRUE(ftp.putFile(local.string(), "back.txt", true));
    EXPECT_EQ(root.read("downloads/LUMO/back.txt"), "12345");
}

TEST_P(FtpSessionTest, ARefusedCommandLeavesTheServersResponse) {
    EXPECT_FALSE(ftp.removeFile("no-such-file"));
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kServerRefused);
    EXPECT_EQ(ftp.lastResponse().substr(0, 4), "550 ");
    EXPECT_EQ(ftp.lastResponse().find('\n'), std::string::npos);
    EXPECT_FALSE(ftp.setCurrentDirectory("/not/there"));
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kServerRefused);
    EXPECT_EQ(ftp.currentDirectory(), "/");
    EXPECT_FALSE(ftp.openForReading("missing.bin", true));
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kServerRefused);
    // and the session goes on
    root.write("ok.bin", "ok");
    EXPECT_EQ(download("ok.bin"), "ok");
}

TEST(FtpSessionConnect, FailuresHaveTheirCodes) {
    test::TempFolder root;
    test::FtpTestServer server(root.path());
    ASSERT_TRUE(server.running());
    FtpSession ftp;
    EXPECT_FALSE(ftp.connect(server.address(), "lumo", "wrong", true));
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kServerRefused);
    EXPECT_EQ(ftp.lastResponse().substr(0, 3), "530");
    EXPECT_FALSE(ftp.connected());
    EXPECT_FALSE(
        ftp.connect("127.0.0.1:" + std::to_string(test::closedLoopbackPort()), "u", "p", true));
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kCannotConnect);
    EXPECT_FALSE(ftp.connect("no-such-host.invalid", "u", "p", true));
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kNameNotResolved);
    EXPECT_FALSE(ftp.currentDirectory().has_value());
    EXPECT_EQ(ftp.lastErrorCode(), FtpSession::kNotConnected);
    for (int code : {6, 18, 12002, 12003, 12004, 12007, 12029, 12030, 12110}) {
        EXPECT_FALSE(FtpSession::messageFor(code).empty()) << code;
    }
}

} // namespace
} // namespace lumo
