#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

// One entry of a remote listing. A listing fills only Directory and FileName.
struct cDirItem {
    bool ReadOnly = false, Hidden = false, System = false, Directory = false, Archive = false,
         Normal = false, Temporary = false, Compressed = false, Offline = false;
    double CreationTime = 0, LastAccessTime = 0, LastWriteTime = 0; // date-time values
    std::int32_t FileSize = 0;
    std::string FileName;
};

// The entries of a listing in order of addition, keyed by file name without regard to case.
// A missing index or a name met twice is an error raised to the caller (std::out_of_range,
// std::invalid_argument).
class cDirList {
public:
    static constexpr std::int32_t kDirectoryAttribute = 0x10;

    // Entries named exactly "password" are left out.
    void Add(std::int32_t lAttrib, double dtCreationTime, double dtLastAccessTime,
             double dtLastWriteTime, std::int32_t lFileSize, const std::string& sFilename);
    // Removes every entry.
    void Clear() { m_items.clear(); }
    const cDirItem& Item(std::int32_t position) const; // from 1
    const cDirItem& Item(const std::string& key) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(m_items.size()); }

    // NewEnum: the entries in order.
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    const cDirItem* find(const std::string& key) const;
    std::vector<cDirItem> m_items;
};

} // namespace lumo
