#pragma once

#include <string>

namespace lumo {

// Where the station list, the advert pictures and the advert links are published.
inline constexpr const char* kUpdateSiteHost = LUMO_UPDATE_HTTP_HOST;
inline constexpr const char* kUpdateSiteFolder = "downloads/LUMO/";

// The update site's FTP account; "host" may carry ":port".
struct UpdateSiteAccount {
    std::string host = LUMO_UPDATE_FTP_HOST;
    std::string user = LUMO_UPDATE_FTP_USER;
    std::string password = LUMO_UPDATE_FTP_PASSWORD;
};

} // namespace lumo
