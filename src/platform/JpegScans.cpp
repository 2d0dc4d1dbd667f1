#include "platform/JpegScans.h"

#include <cstddef>

namespace lumo {

namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;

bool standsAlone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); // TEM, RSTn: no length
}

unsigned char byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

} // namespace

int jpegScanCount(std::string_view bytes, int enough) {
    if (bytes.size() < 2 || byteAt(bytes, 0) != kMarker || byteAt(bytes, 1) != kStartOfImage) {
        return -1;
    }
    int scans = 0;
    std::size_t at = 2;
    while (at + 1 < bytes.size() && scans <= enough) {
        if (byteAt(bytes, at) != kMarker) {
            ++at; // stray bytes between segments are passed over, as decoders do
            continue;
        }
        const unsigned char marker = byteAt(bytes, at + 1);
        if (marker == kMarker) {
            ++at; // fill byte
            continue;
        }
        at += 2;
        if (marker == kEndOfImage) {
            break;
        }
        if (standsAlone(marker) || marker == 0x00) {
            continue;
        }
        if (at + 1 >= bytes.size()) {
            break;
        }
        const std::size_t length = (std::size_t{byteAt(bytes, at)} << 8) | byteAt(bytes, at + 1);
        if (length < 2) {
            break;
        }
        at += length;
        if (marker != kStartOfScan) {
            continue;
        }
        ++scans;
        // The scan's coded data runs to the next marker that is neither a stuffed zero nor a
        // restart marker.
        while (at + 1 < bytes.size()) {
            if (byteAt(bytes, at) == kMarker) {
                const unsigned char next = byteAt(bytes, at + 1);
                if (next != 0x00 && next != kMarker && !(next >= 0xD0 && next <= 0xD7)) {
                    break;
                }
                at += next == kMarker ? 1 : 2;
            } else {
                ++at;
            }
        }
    }
    return scans;
}

} // namespace lumo
