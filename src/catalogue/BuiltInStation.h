#pragma once

#include "state/Station.h"

namespace lumo {

// The station that plays when there is no usable default station file. Its address is the
// broadcaster's worldwide rendition (96 kbps, HTTPS): the higher ones are refused outside the UK.
inline constexpr const char* kBuiltInStationName = "BBC Radio 1 (WebCam)";
inline constexpr const char* kBuiltInStationKind = "RADIO";
inline constexpr const char* kBuiltInStreamUrl =
    "https://as-hls-ww-live.akamaized.net/pool_904/live/ww/bbc_radio_one/"
    "bbc_radio_one.isml/bbc_radio_one-audio%3d96000.norewind.m3u8";
inline constexpr const char* kBuiltInWebPage = "https://www.bbc.co.uk/radio1";
inline constexpr const char* kBuiltInLiveFeedUrl =
    "https://www.bbc.co.uk/radio1/webcam/images/live/webcam.jpg";

inline Station builtInStation() {
    return Station{kBuiltInStationKind, kBuiltInStationName, kBuiltInWebPage, kBuiltInStreamUrl,
                   kBuiltInLiveFeedUrl};
}

} // namespace lumo
