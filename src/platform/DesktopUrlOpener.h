#pragma once

#include "platform/UrlOpener.h"

#include <filesystem>
#include <string>

namespace lumo {

// Hands network addresses to the desktop (QDesktopServices), and the one folder allowed to
// its file manager; anything else is dropped.
class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const std::string& address) override;
    // The one local folder that may be opened (the recordings).
    void allowFolder(const std::filesystem::path& folder);

private:
    std::string m_folder; // its file: address
};

} // namespace lumo
