// cFTP against a real FTP server on 127.0.0.1.
#include "update/Ftp.h"
#include "BytePattern.h"
#include "EventWait.h"
#include "Fakes.h"
#include "FtpTestServer.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "net/NetEngine.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace lumo {
namespace {

using Events = std::vector<std::pair<std::int32_t, std::int32_t>>;

// Runs one operation of the session to its end: its result, or false when none came.
template <class Call> bool ok(Call call) {
    return test::resultOf<bool>([&](auto done) { return call(cFTP::Done(done)); }).value_or(false);
}

std::int64_t sizeOf(cFTP& ftp, const std::string& name) {
    return test::resultOf<std::int64_t>([&](auto done) { return ftp.GetFTPFileSize(name, done); })
        .value_or(-3);
}

cDirList* listing(cFTP& ftp, const std::string& filter) {
    return test::resultOf<cDirList*>(
               [&](auto done) { return ftp.GetDirectoryListing(filter, done); })
        .value_or(nullptr);
}

class FtpTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.running());
        if (GetParam()) {
            ftp.SetModePassive();
        }
        QObject::connect(&ftp, &cFTP::FileTransferProgress,
                         [this](std::int32_t c, std::int32_t t) { events.emplace_back(c, t); });
        ASSERT_TRUE(ok([&](auto done) {
            return ftp.OpenConnection(server.address(), test::FtpTestServer::kUser,
                                      test::FtpTestServer::kPassword, done);
        })) << ftp.GetLastErrorMessage();
    }
    std::string local(const std::string& name) const { return (here.path() / name).string(); }
    bool download(const std::string& to, const std::string& from) {
        return ok([&](auto done) { return ftp.FTPDownloadFile(to, from, done); });
    }
    bool upload(const std::string& from, const std::string& to) {
        return ok([&](auto done) { return ftp.FTPUploadFile(from, to, done); });
    }

    test::TempFolder remote;
    test::TempFolder here;
    test::FtpTestServer server{remote.path()};
    ProgramState state;
    test::RecordingMessageBoxes messages;
    int reshows = 0;
    NetEngine engine;
    cFTP ftp{state, messages, engine, [this] { ++reshows; }};
    Events events;
};

INSTANTIATE_TEST_SUITE_P(Modes, FtpTest, ::testing::Values(true, false),
                         [](const auto& mode) { return mode.param ? "Passive" : "Active"; });

TEST_P(FtpTest, DownloadsAreByteExactWithTheirProgressEvents) {
    const std::pair<std::size_t, Events> cases[] = {
        {510, {{255, 510}, {510, 510}, {510, 510}}},
        {100, {{100, 100}}},
        {600, {{255, 600}, {510, 600}, {600, 600}}},
        {255, {{255, 255}, {255, 255}}},
    };
    for (const auto& [size, expected] : cases) {
        const std::string name = "d" + std::to_string(size);
        remote.write(name, test::bytePattern(size));
        events.clear();
        ASSERT_TRUE(download(local(name), name)) << ftp.GetLastErrorMessage();
        EXPECT_EQ(here.read(name), test::bytePattern(size));
        EXPECT_EQ(events, expected) << size;
    }
    remote.write("big", test::bytePattern(5 * 1024 * 1024));
    ASSERT_TRUE(download(local("big"), "big"));
    EXPECT_EQ(here.read("big"), test::bytePattern(5 * 1024 * 1024));
}

TEST_P(FtpTest, ADownloadReadsToTheEndOfTheDataWhateverTheListingSays) {
    here.write("list", std::string(5000, 'x'));
    remote.write("list", "short");
    ASSERT_TRUE(download(local("list"), "list"));
    EXPECT_EQ(here.read("list"), "short");

    // A listing gives a symbolic link's own length: 8 bytes for a long file, 60 for a short one.
    const std::string whole = test::bytePattern(40000);
    remote.write("real.csv", whole);
    remote.write("tiny.csv", "tiny");
    const std::string longName(56, 't');
    std::filesystem::rename(remote.path() / "tiny.csv", remote.path() / (longName + ".csv"));
    std::filesystem::create_symlink("real.csv", remote.path() / "Lumo.csv");
    std::filesystem::create_symlink(longName + ".csv", remote.path() / "Tiny.csv");
    ASSERT_EQ(sizeOf(ftp, "Lumo.csv"), 8);
    ASSERT_EQ(sizeOf(ftp, "Tiny.csv"), 60);
    for (const auto& [name, expected] :
         {std::pair<std::string, std::string>{"Lumo.csv", whole}, {"Tiny.csv", "tiny"}}) {
        events.clear();
        ASSERT_TRUE(download(local(name), name)) << ftp.GetLastErrorMessage();
        EXPECT_EQ(here.read(name), expected);
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back(), std::make_pair(static_cast<std::int32_t>(expected.size()),
                                                static_cast<std::int32_t>(expected.size())));
        for (const auto& [current, total] : events) {
            EXPECT_LE(current, total) << name; // never past 100 %
        }
    }
}

TEST_P(FtpTest, SizesOfTwoGibibytesAndMoreAndFoldersWithQuotes) {
    remote.write("huge.iso", "");
    std::filesystem::resize_file(remote.path() / "huge.iso", 3LL * 1024 * 1024 * 1024); // sparse
    EXPECT_EQ(sizeOf(ftp, "huge.iso"), 3LL * 1024 * 1024 * 1024);
    // The server writes a quote in a folder name twice in its 257 reply.
    std::filesystem::create_directory(remote.path() / "say \"hi\"");
    ASSERT_TRUE(ok([&](auto done) { return ftp.SetFTPDirectory("say \"hi\"", done); }))
        << ftp.GetLastErrorMessage();
    EXPECT_EQ(ftp.GetFTPDirectory(), "/say \"hi\"");
}

// A handle dropped before its result closes the connection: the result never comes, the local
// file stays as it was, and the next connection works.
TEST_P(FtpTest, DroppingAnOperationsHandleClosesTheConnectionAndSaysNothing) {
    const std::string pattern = test::bytePattern(1024 * 1024);
    remote.write("big", pattern);
    here.write("big", "old");
    int results = 0;
    PendingPtr call = ftp.FTPDownloadFile(local("big"), "big", [&](bool) { ++results; });
    EXPECT_TRUE(ftp.busy());
    call.reset();
    EXPECT_FALSE(ftp.busy());
    test::waitUntil([] { return false; }, 300); // anything still on its way would arrive
    EXPECT_EQ(results, 0);
    EXPECT_TRUE(here.read("big") == "old");
    ASSERT_TRUE(ok([&](auto done) {
        return ftp.OpenConnection(server.address(), test::FtpTestServer::kUser,
                                  test::FtpTestServer::kPassword, done);
    }));
    EXPECT_TRUE(download(local("big"), "big"));
    EXPECT_TRUE(here.read("big") == pattern);
}

TEST_P(FtpTest, ADownloadPastItsCapIsRefusedAndTouchesNothing) {
    remote.write("huge", "");
    std::filesystem::resize_file(remote.path() / "huge", cFTP::kMaxDownloadBytes + 1);
    here.write("huge", "old");
    EXPECT_FALSE(download(local("huge"), "huge"));
    EXPECT_EQ(here.read("huge"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(here.path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left behind";
}

TEST_P(FtpTest, EmptyOrMissingRemoteFilesTouchNothing) {
    ASSERT_FALSE(ok([&](auto done) {
        return ftp.DeleteFTPFile("nothing", done);
    })); // leaves a last error to compare with
    const std::string before = ftp.GetLastErrorMessage();
    remote.write("empty", "");
    here.write("keep", "old");
    EXPECT_FALSE(download(local("keep"), "empty"));
    EXPECT_FALSE(download(local("keep"), "missing"));
    EXPECT_FALSE(download(local("new"), "missing"));
    EXPECT_EQ(here.read("keep"), "old");
    EXPECT_FALSE(std::filesystem::exists(here.path() / "new"));
    EXPECT_EQ(sizeOf(ftp, "missing"), -1);
    EXPECT_EQ(ftp.GetLastErrorMessage(), before);
    EXPECT_TRUE(events.empty());
    // Paths of spaces make no call at all.
    EXPECT_FALSE(download("   ", "empty"));
    EXPECT_FALSE(upload(local("keep"), "  "));
    EXPECT_EQ(ftp.GetLastErrorMessage(), before);
}

TEST_P(FtpTest, UploadsAreByteExactWithTheirProgressEvents) {
    here.write("empty", "");
    ASSERT_TRUE(upload(local("empty"), "empty.up"));
    EXPECT_EQ(events, (Events{{0, 0}}));
    EXPECT_TRUE(std::filesystem::exists(remote.path() / "empty.up"));
    EXPECT_EQ(remote.read("empty.up"), "");
    events.clear();
    here.write("510", test::bytePattern(510));
    ASSERT_TRUE(upload(local("510"), "510.up"));
    EXPECT_EQ(events, (Events{{255, 510}, {510, 510}, {510, 510}}));
    EXPECT_EQ(remote.read("510.up"), test::bytePattern(510));
    here.write("big", test::bytePattern(5 * 1024 * 1024 + 7));
    ASSERT_TRUE(upload(local("big"), "big.up"));
    EXPECT_EQ(remote.read("big.up"), test::bytePattern(5 * 1024 * 1024 + 7));
    EXPECT_THROW((void)ftp.FTPUploadFile(local("not-there"), "x.up", [](bool) {}),
                 std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(remote.path() / "x.up")) << "nothing was sent";
}

TEST_P(FtpTest, ListingsDropPasswordAndMayMatchNothing) {
    remote.write("password", "secret");
    remote.write("Password", "kept");
    remote.write("readme.txt", "r");
    std::filesystem::create_directory(remote.path() / "sub");
    const cDirList* all = listing(ftp, "*");
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->Count(), 3);
    EXPECT_EQ(all->Item("PASSWORD").FileName, "Password");
    EXPECT_TRUE(all->Item("sub").Directory);
    EXPECT_FALSE(all->Item("readme.txt").Directory);

    const std::string before = ftp.GetLastErrorMessage();
    EXPECT_EQ(listing(ftp, "*.csv"), nullptr);
    EXPECT_EQ(ftp.Directory().Count(), 0);
    EXPECT_EQ(ftp.GetLastErrorMessage(), before);

    // A server on a case-sensitive disk may list a name twice as the list's keys see it: no
    // listing then, and no error thrown into the window's events.
    remote.write("README.TXT", "R");
    EXPECT_EQ(listing(ftp, "*"), nullptr);
    EXPECT_NE(ftp.GetLastErrorMessage().find("duplicate"), std::string::npos)
        << ftp.GetLastErrorMessage();
    EXPECT_GE(ftp.Directory().Count(), 1) << "the entries read before it stay readable";
}

TEST_P(FtpTest, FoldersAndRefusals) {
    std::filesystem::create_directories(remote.path() / "downloads" / "LUMO");
    EXPECT_EQ(ftp.GetFTPDirectory(), "/");
    EXPECT_FALSE(ok([&](auto done) { return ftp.SetFTPDirectory("nowhere/", done); }));
    EXPECT_EQ(state.updateStatus, "False");
    EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 4), "550 ");
    EXPECT_TRUE(ok([&](auto done) { return ftp.SetFTPDirectory("downloads/LUMO/", done); }));
    EXPECT_EQ(state.updateStatus, "True");
    EXPECT_EQ(ftp.GetFTPDirectory(), "/downloads/LUMO");
    EXPECT_FALSE(ok([&](auto done) { return ftp.DeleteFTPFile("absent.txt", done); }));
    EXPECT_EQ(ftp.GetLastErrorMessage().substr(0, 4), "550 ");
    EXPECT_TRUE(ok([&](auto done) { return ftp.CreateFTPDirectory("made", done); }));
    EXPECT_TRUE(ok([&](auto done) { return ftp.RemoveFTPDirectory("made", done); }));
    here.write("a", "abc");
    EXPECT_TRUE(ok([&](auto done) { return ftp.SimpleFTPPutFile(local("a"), "a.txt", done); }));
    EXPECT_TRUE(ok([&](auto done) { return ftp.RenameFTPFile("a.txt", "b.txt", done); }));
    EXPECT_TRUE(ok([&](auto done) { return ftp.SimpleFTPGetFile(local("b"), "b.txt", done); }));
    EXPECT_EQ(here.read("b"), "abc");
    EXPECT_EQ(sizeOf(ftp, "b.txt"), 3);
    EXPECT_TRUE(ok([&](auto done) { return ftp.DeleteFTPFile("b.txt", done); }));
}

TEST(FtpConnection, AFailedConnectSaysSoAndArmsTheReshow) {
    ProgramState state;
    test::RecordingMessageBoxes messages;
    int reshows = 0;
    NetEngine engine;
    cFTP ftp(state, messages, engine, [&] { ++reshows; });
    EXPECT_EQ(ftp.GetFTPDirectory(), "");
    EXPECT_EQ(ftp.GetLastErrorMessage().rfind("FtpGetCurrentDirectory error code: 6", 0), 0u)
        << ftp.GetLastErrorMessage();
    EXPECT_FALSE(ok([&](auto done) {
        return ftp.OpenConnection("127.0.0.1:" + std::to_string(test::closedLoopbackPort()), "u",
                                  "p", done);
    }));
    EXPECT_EQ(state.updateStatus, "false");
    EXPECT_EQ(reshows, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "Could not Establish Connection to the Update Site, Check "
                                       "your Internet Access and Retry");
    EXPECT_EQ(messages.shown[0].second, MessageBoxes::Icon::None);
    EXPECT_EQ(ftp.GetLastErrorMessage(),
              "InternetConnect error code: 12029 Message: " + FtpClient::messageFor(12029));
}

TEST(DirList, KeysIgnoreCaseAndMustBeUnique) {
    cDirList list;
    list.Add(0x80, 0, 0, 0, 5, "Lumo.csv");
    list.Add(0x10, 0, 0, 0, 0, "ADS");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1).FileName, "Lumo.csv");
    EXPECT_EQ(list.Item(1).FileSize, 0); // sizes and times are not stored
    EXPECT_TRUE(list.Item("ads").Directory);
    EXPECT_THROW(list.Add(0x80, 0, 0, 0, 1, "LUMO.CSV"), std::invalid_argument);
    EXPECT_THROW(list.Item(3), std::out_of_range);
    EXPECT_THROW(list.Item("nothing"), std::out_of_range);
    std::vector<std::string> names;
    for (const cDirItem& item : list) {
        names.push_back(item.FileName);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Lumo.csv", "ADS"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace lumo
