#include "app/AdvertFiles.h"

#include <system_error>

namespace lumo {

void deleteAdvertFiles(const AppFolder& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path ads = folder.resolve("\\ADS");
    if (!fs::is_directory(ads, ec)) {
        return;
    }
    for (fs::directory_iterator it(ads, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (!it->is_directory(ignored)) {
            fs::remove(it->path(), ignored);
        }
    }
}

} // namespace lumo
