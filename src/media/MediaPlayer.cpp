#include "media/MediaPlayer.h"

#include <cmath>
#include <cstdio>

namespace lumo {

std::string formatDuration(double seconds) {
    if (!(seconds > 0) || !std::isfinite(seconds)) {
        return {};
    }
    const long long total = std::llround(seconds);
    const long long hours = total / 3600;
    const long long minutes = (total / 60) % 60;
    const long long secs = total % 60;
    char text[32];
    if (hours > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", hours, minutes, secs);
    } else {
        std::snprintf(text, sizeof text, "%02lld:%02lld", minutes, secs);
    }
    return text;
}

} // namespace lumo
