#include "desktop/FileModified.h"

#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace lumo {

std::int32_t CFILEMOD::FindFileInfo(const std::string& strFileName, bool /*bLargeIcon*/) {
    if (strFileName.empty()) {
        return 0;
    }
    struct stat info {};
    if (::stat(strFileName.c_str(), &info) != 0) {
        m_state.stationListDate.clear();
        return 0;
    }
    m_state.stationListDate.clear();
    std::tm utc{};
    if (::gmtime_r(&info.st_mtime, &utc) == nullptr) {
        return 0;
    }
    char date[40];
    std::snprintf(date, sizeof date, "%02d/%02d/%d", utc.tm_mday, utc.tm_mon + 1,
                  utc.tm_year + 1900);
    m_state.stationListDate = date;
    return 0;
}

} // namespace lumo
