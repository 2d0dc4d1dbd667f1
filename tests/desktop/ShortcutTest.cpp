// The desktop entry, written into a temporary home folder.
#include "desktop/Shortcut.h"
#include "EventWait.h"
#include "TempFolder.h"
#include "platform/AppFolder.h"

#include <QProcess>
#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace lumo {
namespace {

namespace fs = std::filesystem;

// Points HOME and the XDG folders at a temporary home for one test.
class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = {value("HOME"), value("XDG_DATA_HOME"), value("XDG_CONFIG_HOME"),
                 value("XDG_DATA_DIRS")};
        ::setenv("HOME", home.path().c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        // The system's menu: empty unless a test installs the program's entry there.
        ::setenv("XDG_DATA_DIRS", (home.path() / "system").c_str(), 1);
        fs::create_directory(home.path() / "Desktop");
    }
    void TearDown() override {
        restore("HOME", saved[0]);
        restore("XDG_DATA_HOME", saved[1]);
        restore("XDG_CONFIG_HOME", saved[2]);
        restore("XDG_DATA_DIRS", saved[3]);
    }
    static std::optional<std::string> value(const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
    }
    static void restore(const char* name, const std::optional<std::string>& v) {
        v ? ::setenv(name, v->c_str(), 1) : ::unsetenv(name);
    }
    fs::path menuEntry() const {
        return home.path() / ".local/share/applications" / (std::string(LUMO_APP_ID) + ".desktop");
    }
    fs::path desktopEntry() const { return home.path() / "Desktop/Lumoplay.desktop"; }
    // desktop-file-validate's verdict: empty when the entry is valid.
    static std::string validate(const fs::path& entry) {
        QProcess validator;
        validator.setProcessChannelMode(QProcess::MergedChannels);
        validator.start(QStringLiteral("desktop-file-validate"),
                        {QString::fromStdString(entry.string())});
        validator.waitForFinished(10000);
        return validator.exitCode() == 0 ? validator.readAll().toStdString()
                                         : "exit " + std::to_string(validator.exitCode()) + ": " +
                                               validator.readAll().toStdString();
    }

    test::TempFolder home;
    std::array<std::optional<std::string>, 4> saved;
};

TEST_F(ShortcutTest, TwoStartsLeaveOneValidEntryInTheMenuAndOnTheDesktop) {
    const fs::path exe = "/opt/lumo/Lumo";
    SHORTCUT::CreateDesktopShortcut(exe, "png bytes");
    const auto written = fs::last_write_time(menuEntry());
    SHORTCUT::CreateDesktopShortcut(exe, "png bytes");
    EXPECT_EQ(fs::last_write_time(menuEntry()), written) << "an identical entry is left alone";
    for (const fs::path& entry : {menuEntry(), desktopEntry()}) {
        ASSERT_TRUE(fs::exists(entry)) << entry;
        EXPECT_EQ(home.read(fs::relative(entry, home.path()).string()),
                  SHORTCUT::desktopEntry(exe));
        EXPECT_EQ(validate(entry), "");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path() / "Desktop"), {}), 1);
    struct stat info {};
    ASSERT_EQ(::stat(desktopEntry().c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IXUSR) << "file managers launch executable entries";
    EXPECT_EQ(home.read(".local/share/icons/hicolor/128x128/apps/" LUMO_APP_ID ".png"),
              "png bytes");
    const std::string entry = SHORTCUT::desktopEntry(exe);
    for (const char* line :
         {"Name=Lumoplay\n", "Exec=env \"/opt/lumo/Lumo\" %U\n", "Type=Application\n",
          "Categories=AudioVideo;Audio;Player;\n",
          // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): the id is spliced in
          "Icon=" LUMO_APP_ID "\n", "StartupWMClass=Lumo\n"}) {
        EXPECT_NE(entry.find(line), std::string::npos) << line;
    }

    // The installed entry says the same, but starts the program by name.
    std::string installed = readWholeFile(LUMO_INSTALLED_ENTRY).value_or("");
    const std::string byName = "Exec=lumo %U\n";
    const auto exec = installed.find(byName);
    ASSERT_NE(exec, std::string::npos) << installed;
    EXPECT_EQ(installed.replace(exec, byName.size(), "Exec=env \"/opt/lumo/Lumo\" %U\n"), entry);

    // Once the program's entry is in the system's menu, the user's copy is not written again
    // (an old one is left as it is); the desktop's copy still is.
    fs::remove(menuEntry());
    fs::remove(desktopEntry());
    home.write("system/applications/" LUMO_APP_ID ".desktop", "installed");
    SHORTCUT::CreateDesktopShortcut(exe, "png bytes");
    EXPECT_FALSE(fs::exists(menuEntry()));
    EXPECT_TRUE(fs::exists(desktopEntry()));
}

// The entry starts the program from any folder name, also through GLib's launcher, which
// looks the program up before it expands the line.
TEST_F(ShortcutTest, AFolderWithSpacesQuotesAndPercentStillStartsFromTheEntry) {
    const fs::path folder = home.path() / "My \"Radio\" $HOME `x` 100% \\ Apps";
    const fs::path exe = folder / "Lumo";
    fs::create_directories(folder);
    home.write(fs::relative(exe, home.path()).string(),
               "#!/bin/sh\necho \"$@\" > \"$HOME/started\"\n");
    fs::permissions(exe, fs::perms::owner_all);
    SHORTCUT::CreateDesktopShortcut(exe, "");
    EXPECT_EQ(validate(menuEntry()), "");
    const std::string entry = home.read(fs::relative(menuEntry(), home.path()).string());
    EXPECT_NE(
        entry.find("Exec=env \"" + home.path().string() +
                   "/My \\\\\"Radio\\\\\" \\\\$HOME \\\\`x\\\\` 100%% \\\\\\\\ Apps/Lumo\" %U\n"),
        std::string::npos)
        << entry;
    for (const fs::path& launched : {menuEntry(), desktopEntry()}) {
        fs::remove(home.path() / "started");
        QProcess gio;
        gio.setProcessChannelMode(QProcess::MergedChannels);
        gio.start(QStringLiteral("gio"),
                  {QStringLiteral("launch"), QString::fromStdString(launched.string())});
        ASSERT_TRUE(gio.waitForFinished(10000));
        EXPECT_EQ(gio.exitCode(), 0) << gio.readAll().toStdString();
        EXPECT_TRUE(test::waitUntil([&] { return fs::exists(home.path() / "started"); }, 10000))
            << launched;
    }
    // A file manager (or `gio open`) hands the entry a playlist file and an icy address.
    home.write(".config/mimeapps.list", "[Default Applications]\naudio/x-scpls=" LUMO_APP_ID
                                        ".desktop\nx-scheme-handler/icy=" LUMO_APP_ID ".desktop\n");
    home.write("My station.pls", "[playlist]\nFile1=http://127.0.0.1:1/x\n");
    ::setenv("XDG_DATA_DIRS", "/usr/share", 1); // the desktop's types of file
    for (const std::string& opened :
         {(home.path() / "My station.pls").string(), std::string("icy://127.0.0.1:1/x")}) {
        fs::remove(home.path() / "started");
        QProcess gio;
        gio.setProcessChannelMode(QProcess::MergedChannels);
        gio.start(QStringLiteral("gio"), {QStringLiteral("open"), QString::fromStdString(opened)});
        ASSERT_TRUE(gio.waitForFinished(10000));
        EXPECT_EQ(gio.exitCode(), 0) << gio.readAll().toStdString();
        EXPECT_TRUE(test::waitUntil([&] { return fs::exists(home.path() / "started"); }, 10000));
        EXPECT_EQ(home.read("started"), opened + "\n");
    }
}

TEST_F(ShortcutTest, MissingOrUnwritableFoldersChangeNothingAndNeverFail) {
    fs::remove(home.path() / "Desktop");
    SHORTCUT::CreateDesktopShortcut("/opt/lumo/Lumo", "");
    EXPECT_FALSE(fs::exists(home.path() / "Desktop")) << "a desktop folder is never created";
    EXPECT_TRUE(fs::exists(menuEntry()));

    // A desktop folder named in user-dirs.dirs, where the entry cannot be written (a folder of
    // that name stands in its way, which stops root as well).
    fs::create_directories(home.path() / ".config");
    home.write(".config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    fs::create_directories(home.path() / "Schreibtisch/Lumoplay.desktop");
    SHORTCUT::CreateDesktopShortcut("/opt/lumo/Lumo", "");
    EXPECT_TRUE(fs::is_directory(home.path() / "Schreibtisch/Lumoplay.desktop"));
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path() / "Schreibtisch"), {}), 1);
    fs::remove(home.path() / "Schreibtisch/Lumoplay.desktop");
    SHORTCUT::CreateDesktopShortcut("/opt/lumo/Lumo", "");
    EXPECT_TRUE(fs::is_regular_file(home.path() / "Schreibtisch/Lumoplay.desktop"));

    ::unsetenv("HOME");
    SHORTCUT::CreateDesktopShortcut("/opt/lumo/Lumo", ""); // nowhere to go: nothing happens
}

} // namespace
} // namespace lumo
