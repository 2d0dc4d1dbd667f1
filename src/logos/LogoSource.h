#pragma once

#include "platform/Pending.h"

#include <QImage>
#include <QSize>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace lumo {

class NetEngine;
class PictureDecoder;

// Station logos by their address: read from the cache folder when kept there, fetched on the
// network engine otherwise (http and https, time limits, at most kMostBytes), decoded off the
// window's thread at the size asked within the decoder's limits, and then kept, named by their
// address, the oldest dropped once the folder holds more than kCacheBytes. A logo that fails
// (no answer, an error page, no picture, one too costly) comes as nothing.
class LogoSource {
public:
    static constexpr std::int64_t kMostBytes = 2 * 1024 * 1024;
    static constexpr std::int64_t kCacheBytes = 32 * 1024 * 1024;

    struct Logo {
        std::optional<QImage> image;
        std::filesystem::path file; // the cached file, when there is a logo
    };
    using Done = std::function<void(Logo)>;

    LogoSource(NetEngine& engine, PictureDecoder& decoder, std::filesystem::path cache);

    // The logo at `address`, `size` in device pixels. Dropping the handle cancels it.
    [[nodiscard]] PendingPtr fetch(const std::string& address, QSize size, Done done);

    // Where logos are kept for a program whose files are in `appFolder`: the user's cache
    // ($XDG_CACHE_HOME/lumo/logos) for an installed one, beside its files otherwise.
    static std::filesystem::path cacheFolder(const std::filesystem::path& appFolder);

private:
    NetEngine& m_engine;
    PictureDecoder& m_decoder;
    std::filesystem::path m_cache;
};

} // namespace lumo
