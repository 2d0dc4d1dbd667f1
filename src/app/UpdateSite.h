#pragma once

namespace lumo {

// Where the station list, the advert pictures and the advert links are published.
inline constexpr const char* kUpdateSiteHost = "update.lumoplayer.example.org/";
inline constexpr const char* kUpdateSiteFolder = "downloads/LUMO/";

} // namespace lumo
