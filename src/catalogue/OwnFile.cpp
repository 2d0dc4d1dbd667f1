#include "catalogue/OwnFile.h"

#include "catalogue/TextEncoding.h"
#include "platform/AppFolder.h"

namespace lumo {

std::optional<std::string> readOwnFile(const std::filesystem::path& file) {
    const auto bytes = readWholeFile(file);
    if (!bytes) {
        return std::nullopt;
    }
    return ownFileTextAsUtf8(*bytes);
}

bool writeOwnFile(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(file, ec))) {
        return false; // whatever it points at is not ours to replace
    }
    return replaceFileAtomically(file, bytes);
}

} // namespace lumo
