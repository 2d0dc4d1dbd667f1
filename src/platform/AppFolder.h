#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The folder that holds the running executable; every file the program keeps lives here.
// Names are given the way the program has always spelt them ("\DEFAULT", "\ADS\AD1.jpg") and
// are matched against what is on disk without regard to case.
class AppFolder {
public:
    explicit AppFolder(std::filesystem::path folder);

    // The folder of /proc/self/exe with links resolved.
    static AppFolder ofRunningExecutable();

    const std::filesystem::path& path() const { return m_folder; }

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
