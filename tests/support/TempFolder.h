#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumo::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path write(const std::string& name, std::string_view bytes) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

} // namespace lumo::test
