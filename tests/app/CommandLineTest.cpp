// The command line, and one player per desktop: the real executable on a private session bus
// of its own, under Xvfb.
#include "app/CommandLine.h"
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"

#include <QDBusConnection>
#include <QProcess>
#include <filesystem>
#include <gtest/gtest.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

CommandLine read(std::initializer_list<QString> arguments) {
    QStringList line{QStringLiteral("lumo")};
    line.append(arguments);
    return readCommandLine(line);
}

TEST(CommandLineTest, AddressesPlaylistFilesAndWhatIsRefused) {
    EXPECT_EQ(read({}).action, CommandLine::Action::Run);
    EXPECT_EQ(read({}).address, "");
    EXPECT_EQ(read({"--help"}).action, CommandLine::Action::Help);
    EXPECT_NE(read({"-h"}).text.find("Usage: lumo [ADDRESS|PLAYLIST-FILE]"), std::string::npos);
    EXPECT_EQ(read({"--version"}).text, "Lumo " LUMO_VERSION "\n");
    EXPECT_EQ(read({"http://radio.example/live"}).address, "http://radio.example/live");
    EXPECT_EQ(read({"icy://radio.example:8000/"}).address, "http://radio.example:8000/");
    EXPECT_EQ(read({"icyx://radio.example/"}).address, "https://radio.example/");
    for (const char* refused :
         {"v4l2:///dev/video0", "vlc://quit", "/no/such/file.pls", "file:///etc/passwd"}) {
        EXPECT_EQ(read({QString::fromLatin1(refused)}).action, CommandLine::Action::Refused)
            << refused;
    }
    EXPECT_EQ(read({"--bogus"}).action, CommandLine::Action::Refused);

    test::TempFolder dir;
    const fs::path pls = dir.write("station.pls", "[playlist]\nFile1=file:///etc/passwd\n"
                                                  "File2=http://radio.example/two\n"
                                                  "Title2=Radio Two\n");
    for (const QString& given :
         {QString::fromStdString(pls.string()), QString::fromStdString("file://" + pls.string())}) {
        const CommandLine line = read({given});
        EXPECT_EQ(line.action, CommandLine::Action::Run);
        EXPECT_EQ(line.address, "http://radio.example/two") << "the first one allowed";
        EXPECT_EQ(line.name, "Radio Two");
    }
    const fs::path none = dir.write("none.m3u", "#EXTM3U\nfile:///etc/passwd\n");
    EXPECT_EQ(read({QString::fromStdString(none.string())}).action, CommandLine::Action::Refused);
}

class OnePlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY") ||
            !QDBusConnection::sessionBus().isConnected()) {
            FAIL() << "needs an X display and a session bus (the suite gives both)";
        }
        for (const char* path : {"/x", "/y", "/default"}) {
            server.serve(path, {"audio/wav", test::endlessSineWav(2, 22050), false, 44100,
                                test::kWavHeaderBytes});
        }
        fs::copy_file(LUMO_EXECUTABLE, dir.path() / "Lumo");
        dir.write("DEFAULT",
                  "\"RADIO\",\"Default\",\"\",\"" + server.url("/default") + "\",\"NONE\"\r\n");
        environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    }
    void TearDown() override {
        for (QProcess* lumo : {&first, &second}) {
            if (lumo->state() != QProcess::NotRunning) {
                lumo->kill();
                lumo->waitForFinished(5000);
            }
        }
    }
    void start(QProcess& lumo, const std::string& address) {
        lumo.setProgram(QString::fromStdString((dir.path() / "Lumo").string()));
        lumo.setArguments({QString::fromStdString(address)});
        lumo.setProcessEnvironment(environment);
        lumo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lumo.start();
        ASSERT_TRUE(lumo.waitForStarted(10000));
    }

    test::LoopbackHttpServer server;
    test::TempFolder dir;
    test::TempFolder home;
    QProcessEnvironment environment;
    QProcess first;
    QProcess second;
};

TEST_F(OnePlayerTest, AnAddressGivenPlaysAndASecondStartHandsItsOwnToTheFirst) {
    start(first, server.url("/x"));
    ASSERT_TRUE(test::waitUntil([&] { return server.requestCount("/x") > 0; }, 15000));
    EXPECT_EQ(server.requestCount("/default"), 0) << "the default station is not asked for";

    start(second, server.url("/y"));
    ASSERT_TRUE(test::waitUntil([&] { return second.state() == QProcess::NotRunning; }, 15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(test::waitUntil([&] { return server.openConnections("/y") == 1; }, 15000))
        << "the first player plays what the second was given";
    EXPECT_TRUE(test::waitUntil([&] { return server.openConnections("/x") == 0; }, 15000));
    EXPECT_EQ(first.state(), QProcess::Running);
}

} // namespace
} // namespace lumo
