#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumo::SHORTCUT {

// The freedesktop desktop entry "Lumoplay" that starts `executable` with no arguments.
std::string desktopEntry(const std::filesystem::path& executable);

// Puts the entry in the user's applications folder (the menu) and, when the user has a
// desktop folder, on the desktop, with the program's icon (PNG bytes) in the user's icon
// theme. Each file is replaced only when its content differs, and atomically. Every failure
// is silent: nothing depends on the outcome.
void CreateDesktopShortcut(const std::filesystem::path& executable, std::string_view iconPng);

} // namespace lumo::SHORTCUT
