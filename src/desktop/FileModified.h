#pragma once

#include "state/ProgramState.h"

#include <cstdint>
#include <string>

namespace lumo {

// Reports the date on which a file was last written, as DD/MM/YYYY in UTC, into
// stationListDate. The attribute properties are part of the class's interface but are never
// filled: they read as empty text, false or 0.
class CFILEMOD {
public:
    explicit CFILEMOD(ProgramState& state) : m_state(state) {}

    // Always 0. An empty name changes nothing; a missing file empties stationListDate.
    // bLargeIcon is accepted and not used.
    std::int32_t FindFileInfo(const std::string& strFileName, bool bLargeIcon);

    const std::int32_t IconIndex = 0;
    const std::string FileType;
    const bool Compress = false, Temporary = false, Normal = false, Archive = false,
               Directory = false, System = false, Hidden = false, ReadOnly = false;
    const std::string LastWriteTime, LastAccessTime, CreationTime, ByteSize;
    const std::string ProductVersion, ProductName, OriginalFileName, LegalCopyright, InternalName,
        FileVersion, FileDescription, CompanyName, FileName;

private:
    ProgramState& m_state;
};

} // namespace lumo
