#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumo::SHORTCUT {

// The program's application id: the name of its desktop entry in the menu and of its icon,
// which the running program gives as its desktop file name, so that docks and task switchers
// match its window to its launcher.
inline constexpr std::string_view kApplicationId = LUMO_APP_ID;

// The freedesktop desktop entry "Lumoplay" that starts `executable` with no arguments: the
// packaged menu entry, built into the program, with its Exec line naming `executable`.
std::string desktopEntry(const std::filesystem::path& executable);

// Puts the entry, named by the application id, in the user's applications folder (the menu)
// with the program's icon (PNG bytes) in the user's icon theme, unless the program's entry is
// installed in the system's menu; and, when the user has a desktop folder, on the desktop as
// "Lumoplay.desktop". Each file is replaced only when its content differs, and atomically. Every
// failure is silent: nothing depends on the outcome.
void CreateDesktopShortcut(const std::filesystem::path& executable, std::string_view iconPng);

} // namespace lumo::SHORTCUT
