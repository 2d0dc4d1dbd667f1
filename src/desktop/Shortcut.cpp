#include "desktop/Shortcut.h"

#include "platform/AppFolder.h"

#include <QFile>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace lumo::SHORTCUT {

namespace fs = std::filesystem;

namespace {

std::optional<fs::path> environmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0' || value[0] != '/') {
        return std::nullopt;
    }
    return fs::path(value);
}

// The user's desktop folder, from XDG user dirs ("$HOME/Desktop" when it says nothing);
// nothing when it does not exist. It is never created.
std::optional<fs::path> desktopFolder(const fs::path& home) {
    fs::path desktop = home / "Desktop";
    const fs::path config = environmentPath("XDG_CONFIG_HOME").value_or(home / ".config");
    std::ifstream dirs(config / "user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line)) {
        constexpr std::string_view key = "XDG_DESKTOP_DIR=\"";
        if (!line.starts_with(key) || line.back() != '"') {
            continue;
        }
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.starts_with("$HOME")) {
            desktop = home.string() + value.substr(5);
        } else if (value.starts_with("/")) {
            desktop = value;
        }
    }
    std::error_code ec;
    if (!fs::is_directory(desktop, ec) || fs::equivalent(desktop, home, ec)) {
        return std::nullopt; // a desktop that is the home folder itself is no desktop folder
    }
    return desktop;
}

// Writes `bytes` to `file` unless it already holds exactly them.
bool writeIfDifferent(const fs::path& file, std::string_view bytes) {
    if (const auto old = readWholeFile(file); old && *old == bytes) {
        return true;
    }
    return replaceFileAtomically(file, bytes);
}

// Whether the program's own entry is installed in the menu: beside an installed executable
// (../share/applications), or in one of the system's data folders ($XDG_DATA_DIRS).
bool systemEntryInstalled(const fs::path& executable) {
    const std::string name = std::string(kApplicationId) + ".desktop";
    std::vector<fs::path> folders{executable.parent_path().parent_path() / "share"};
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::string_view list = dirs != nullptr && *dirs != '\0' ? dirs : "/usr/local/share:/usr/share";
    while (!list.empty()) {
        const auto colon = list.find(':');
        const std::string_view folder = list.substr(0, colon);
        if (folder.starts_with('/')) {
            folders.emplace_back(folder);
        }
        list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
    }
    std::error_code ec;
    return std::any_of(folders.begin(), folders.end(), [&](const fs::path& folder) {
        return fs::is_regular_file(folder / "applications" / name, ec);
    });
}

} // namespace

std::string desktopEntry(const fs::path& executable) {
    // Exec: `env` starts the path, so that launchers that look the program up before they
    // expand the line (GLib's refuse a program path with % in it) find one that exists. The
    // path is quoted, with ", `, $ and \ escaped inside the quotes; then the string escape of
    // the value doubles every backslash, and % is written %%.
    std::string quoted = "\"";
    for (const char c : executable.string()) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    std::string exec;
    for (const char c : quoted) {
        if (c == '\\') {
            exec += "\\\\";
        } else if (c == '%') {
            exec += "%%";
        } else {
            exec += c;
        }
    }
    // The packaged menu entry, built into the program, starts the installed program by name;
    // this copy starts this executable.
    QFile packaged(QStringLiteral(":/desktop/entry.desktop"));
    std::string entry = packaged.open(QIODevice::ReadOnly) ? packaged.readAll().toStdString() : "";
    const std::string byName = "\nExec=lumo %U\n";
    const auto at = entry.find(byName);
    if (at == std::string::npos) {
        return {};
    }
    return entry.replace(at, byName.size(), "\nExec=env " + exec + " %U\n");
}

void CreateDesktopShortcut(const fs::path& executable, std::string_view iconPng) {
    const std::string path = executable.string();
    for (const char c : path) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            return; // a line break cannot stand in a desktop entry
        }
    }
    const auto home = environmentPath("HOME");
    if (!home) {
        return;
    }
    const fs::path data = environmentPath("XDG_DATA_HOME").value_or(*home / ".local" / "share");
    const std::string entry = desktopEntry(executable);
    if (entry.empty()) {
        return;
    }
    std::error_code ec;

    // The menu's entry and icon: the installed ones when there are (a copy of the user's
    // would stand beside them in the menu), else the user's own.
    if (!systemEntryInstalled(executable)) {
        const std::string id(kApplicationId);
        const fs::path icons = data / "icons" / "hicolor" / "128x128" / "apps";
        if (!iconPng.empty() && (fs::create_directories(icons, ec), fs::is_directory(icons, ec))) {
            writeIfDifferent(icons / (id + ".png"), iconPng);
        }
        const fs::path applications = data / "applications";
        fs::create_directories(applications, ec);
        if (fs::is_directory(applications, ec)) {
            writeIfDifferent(applications / (id + ".desktop"), entry);
        }
    }
    if (const auto desktop = desktopFolder(*home)) {
        const fs::path file = *desktop / "Lumoplay.desktop";
        if (writeIfDifferent(file, entry)) {
            ::chmod(file.c_str(), 0755); // file managers offer to launch executable entries
        }
    }
}

} // namespace lumo::SHORTCUT
