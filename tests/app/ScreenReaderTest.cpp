// The real executable read the way a screen reader reads it: over AT-SPI, on a private session
// bus with its own accessibility bus (the suite runs this under dbus-run-session and Xvfb).
#include "EventWait.h"
#include "LoopbackHttpServer.h"
#include "TempFolder.h"
#include "Wav.h"
#include "XWindows.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QProcess>
#include <QRect>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace lumo {
namespace {

namespace fs = std::filesystem;

constexpr const char* kLauncher = "/usr/libexec/at-spi-bus-launcher";
constexpr const char* kPython = "/usr/bin/python3";

class ScreenReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !x.connected() ||
            !QDBusConnection::sessionBus().isConnected()) {
            FAIL() << "needs an X display and a session bus (dbus-run-session, Xvfb)";
        }
        if (!fs::exists(kLauncher) ||
            run({QStringLiteral("-c"), QStringLiteral("import pyatspi")}).exitCode != 0) {
            FAIL() << "needs at-spi2-core and python3-pyatspi";
        }
        bus.start(QString::fromLatin1(kLauncher), {QStringLiteral("--launch-immediately")});
        ASSERT_TRUE(bus.waitForStarted(10000));

        server.serve("/station.wav", {"audio/wav", test::sineWav(60)});
        fs::copy_file(LUMO_EXECUTABLE, dir.path() / "Lumo");
        dir.write("DEFAULT", "\"RADIO\",\"Spoken FM\",\"\",\"" + server.url("/station.wav") +
                                 "\",\"NONE\"\r\n");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        lumo.setProcessEnvironment(environment);
        lumo.setProcessChannelMode(QProcess::ForwardedChannels);
        lumo.start(QString::fromStdString((dir.path() / "Lumo").string()), {});
        ASSERT_TRUE(lumo.waitForStarted(10000));
        ASSERT_TRUE(test::waitUntil([&] { return x.findWindow("Lumo").has_value(); }, 20000));
    }
    void TearDown() override {
        for (QProcess* process : {&lumo, &bus}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    struct Ran {
        int exitCode;
        std::string output;
    };
    // The tree reader (tests/app/atspi_tree.py), the window's events running meanwhile.
    static Ran run(const QStringList& arguments) {
        QProcess reader;
        reader.start(QString::fromLatin1(kPython), arguments);
        test::waitUntil([&] { return reader.state() == QProcess::NotRunning; }, 20000);
        return {reader.exitCode(),
                (reader.readAllStandardOutput() + reader.readAllStandardError()).toStdString()};
    }
    static Ran tree(const QStringList& arguments = {}) {
        return run(QStringList{QStringLiteral(LUMO_ATSPI_TREE)} + arguments);
    }

    test::XWindows x;
    test::LoopbackHttpServer server;
    test::TempFolder dir;
    test::TempFolder home;
    QProcess bus;
    QProcess lumo;
};

TEST_F(ScreenReaderTest, TheControlsAreNamedPressableAndTheKnobHasAValue) {
    Ran read;
    ASSERT_TRUE(test::waitUntil(
        [&] { return (read = tree()).output.find("push button|Spoken FM|") != std::string::npos; },
        20000))
        << read.output;
    // What a screen reader meets: every control once, all of it inside the window, each named.
    const Ran shown = tree({QStringLiteral("shown")});
    ASSERT_EQ(shown.exitCode, 0) << shown.output;
    std::map<std::string, int> named;
    QRect window;
    std::vector<std::pair<std::string, QRect>> nodes;
    for (const QString& line : QString::fromStdString(shown.output).split(QLatin1Char('\n'))) {
        const QStringList fields = line.split(QLatin1Char('|'));
        if (fields.size() != 3) {
            continue;
        }
        const QStringList box = fields[2].split(QLatin1Char(','));
        const QRect place(box.value(0).toInt(), box.value(1).toInt(), box.value(2).toInt(),
                          box.value(3).toInt());
        if (fields[0] == QLatin1String("filler") && fields[1] == QLatin1String("Lumo")) {
            window = place;
            continue;
        }
        const std::string what = (fields[0] + QLatin1Char('|') + fields[1]).toStdString();
        nodes.emplace_back(what, place);
        if (fields[0] != QLatin1String("filler")) {
            EXPECT_FALSE(fields[1].isEmpty()) << "no name: " << line.toStdString();
            ++named[fields[1].toStdString()];
        }
    }
    ASSERT_FALSE(window.isEmpty()) << shown.output;
    for (const auto& [what, place] : nodes) {
        EXPECT_TRUE(window.contains(place)) << what << " lies outside the window";
    }
    for (const auto& [name, count] : named) {
        EXPECT_EQ(count, 1) << name << " is met " << count << " times";
    }
    for (const char* line : {"push button|Play|Press", "push button|Stop|Press",
                             "push button|Pause|Press", "push button|Stations|Press",
                             "slider|Volume|Increase,Decrease", "push button|Spoken FM|Press"}) {
        EXPECT_NE(read.output.find(std::string("\n") + line), std::string::npos) << line << " in\n"
                                                                                 << read.output;
    }
    EXPECT_NE(read.output.find("slider|Volume|Increase,Decrease|100\n"), std::string::npos);

    // Stop, pressed as a screen reader presses it: the status line says so.
    EXPECT_EQ(tree({QStringLiteral("press"), QStringLiteral("Stop")}).exitCode, 0);
    EXPECT_TRUE(test::waitUntil(
        [&] { return (read = tree()).output.find("label|Stopped|") != std::string::npos; }, 10000))
        << read.output;
}

} // namespace
} // namespace lumo
