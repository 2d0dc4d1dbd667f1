#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// The files that hold what the listener kept (favourites, own stations, titles heard): read
// record by record (see ownFileTextAsUtf8), and replaced whole through a temporary file, never
// through a symbolic link in the file's place (the write fails instead).

// The file's text as UTF-8; nothing when there is no such file.
std::optional<std::string> readOwnFile(const std::filesystem::path& file);

// False when the file could not be replaced; it is then as it was.
bool writeOwnFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace lumo
