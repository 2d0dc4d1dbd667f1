#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The folder every file the program keeps lives in. Names are given the way the program has
// always spelt them ("\DEFAULT", "\ADS\AD1.jpg") and are matched against what is on disk
// without regard to case.
class AppFolder {
public:
    explicit AppFolder(std::filesystem::path folder);

    // Where a program whose executable lies in `executableFolder` keeps its files. Run from a
    // folder of its own (a build, an unpacked folder) that it may write to: that folder, as
    // always. Installed (its folder holds "../share/lumo/Lumo.csv", the installed starter list,
    // or it may not write there): `dataHome`/lumo, created when missing and given the starter
    // list when it has none; a list of the user's is never replaced. `dataHome` is
    // $XDG_DATA_HOME, or ~/.local/share without one.
    static AppFolder forExecutable(const std::filesystem::path& executableFolder,
                                   const std::filesystem::path& dataHome);

    // The same for the running executable (/proc/self/exe, links resolved) and this user.
    static AppFolder ofRunningExecutable();

    // The starter list an installed executable in `executableFolder` came with, if any.
    static std::filesystem::path
    installedStarterList(const std::filesystem::path& executableFolder);

    const std::filesystem::path& path() const { return m_folder; }
    // Where what can be made again is kept (logos, the live stream's ring): the user's cache
    // ($XDG_CACHE_HOME/lumo) for an installed program, this folder otherwise.
    static std::filesystem::path cacheFor(const std::filesystem::path& folder);

    // Resolves a backslash-separated name inside the folder. Each component that already
    // exists under another case is taken as it is on disk; the rest are used as given.
    std::filesystem::path resolve(std::string_view name) const;

private:
    std::filesystem::path m_folder;
};

// Whole-file helpers. Reading gives nothing when the file is missing or unreadable.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Writes through a temporary file beside the target and renames it over the target, so the
// target is either the old file or the complete new one. Returns false on any failure and
// leaves no temporary file behind.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The same, written piece by piece: the bytes go to a temporary file beside the target, which
// takes the target's place on commit() only. Abandoned (or failed) before that, the temporary
// file is removed and the target is left as it was.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& file);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool ok() const { return m_fd >= 0; }
    bool append(std::string_view bytes);
    bool commit();

private:
    void abandon();
    bool flush();

    std::filesystem::path m_file;
    std::string m_temp;
    std::string m_pending; // gathered into large writes
    int m_fd = -1;
};

} // namespace lumo
