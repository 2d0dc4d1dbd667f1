#include "platform/AppFolder.h"

#include <QStandardPaths>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace lumo {
namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The entry of `dir` whose name matches `component` ignoring case; an exact match wins.
fs::path matchEntry(const fs::path& dir, const std::string& component) {
    std::error_code ec;
    if (fs::exists(dir / component, ec)) {
        return dir / component;
    }
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), component)) {
            return it->path();
        }
    }
    return dir / component;
}

} // namespace

AppFolder::AppFolder(fs::path folder) : m_folder(std::move(folder)) {}

fs::path AppFolder::installedStarterList(const fs::path& executableFolder) {
    return executableFolder.parent_path() / "share" / "lumo" / "Lumo.csv";
}

AppFolder AppFolder::forExecutable(const fs::path& executableFolder, const fs::path& dataHome) {
    std::error_code ec;
    const fs::path starter = installedStarterList(executableFolder);
    const bool installed =
        fs::is_regular_file(starter, ec) || ::access(executableFolder.c_str(), W_OK) != 0;
    if (!installed) {
        return AppFolder(executableFolder);
    }
    AppFolder data(dataHome / "lumo");
    fs::create_directories(data.path(), ec);
    const fs::path list = data.resolve("\\Lumo.csv");
    if (!fs::exists(list, ec)) {
        if (const auto bytes = readWholeFile(starter)) {
            replaceFileAtomically(list, *bytes);
        }
    }
    return data;
}

AppFolder AppFolder::ofRunningExecutable() {
    std::error_code ec;
    const fs::path exe = fs::canonical("/proc/self/exe", ec);
    const fs::path folder = ec ? fs::current_path() : exe.parent_path();
    fs::path dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') {
        dataHome = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        dataHome = fs::path(home) / ".local" / "share";
    } else {
        dataHome = folder; // nowhere else to go
    }
    return forExecutable(folder, dataHome);
}

fs::path AppFolder::resolve(std::string_view name) const {
    fs::path result = m_folder;
    std::string component;
    std::istringstream parts{std::string(name)};
    while (std::getline(parts, component, '\\')) {
        if (component.empty() || component == ".") {
            continue;
        }
        if (component == "..") {
            continue; // names never leave the application folder
        }
        result = matchEntry(result, component);
    }
    return result;
}

std::optional<std::string> readWholeFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return std::move(bytes).str();
}

bool replaceFileAtomically(const fs::path& file, std::string_view bytes) {
    FileReplacement replacement(file);
    return replacement.append(bytes) && replacement.commit();
}

FileReplacement::FileReplacement(const fs::path& file)
    : m_file(file),
      m_temp((file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string()) {
    m_fd = ::mkstemp(m_temp.data());
}

FileReplacement::~FileReplacement() {
    abandon();
}

void FileReplacement::abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_temp.c_str());
        m_fd = -1;
    }
}

bool FileReplacement::append(std::string_view bytes) {
    if (m_fd < 0) {
        return false;
    }
    m_pending.append(bytes);
    return m_pending.size() < 64 * 1024 || flush();
}

bool FileReplacement::flush() {
    std::string_view bytes = m_pending;
    while (m_fd >= 0 && !bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            abandon();
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    m_pending.clear();
    return m_fd >= 0;
}

bool FileReplacement::commit() {
    if (m_fd < 0 || !flush()) {
        return false;
    }
    bool ok = ::fchmod(m_fd, 0644) == 0 && ::fsync(m_fd) == 0;
    ok = ::close(std::exchange(m_fd, -1)) == 0 && ok;
    ok = ok && std::rename(m_temp.c_str(), m_file.c_str()) == 0;
    if (!ok) {
        ::unlink(m_temp.c_str());
    }
    return ok;
}

std::filesystem::path AppFolder::cacheFor(const std::filesystem::path& folder) {
    const std::filesystem::path data =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    if (!data.empty() && folder.lexically_normal() == (data / "lumo").lexically_normal()) {
        return std::filesystem::path(
                   QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                       .toStdString()) /
               "lumo";
    }
    return folder;
}

} // namespace lumo
