// The JPEG scan counter on any bytes, and on a JPEG written around the input: as many scans
// as were written, whatever the scans' data holds.
#include "FuzzCheck.h"
#include "platform/JpegScans.h"

#include <algorithm>
#include <string>

using namespace lumo;
using fuzz::check;

namespace {

std::size_t startOfScanMarkers(std::string_view bytes) {
    std::size_t found = 0;
    for (auto at = bytes.find("\xFF\xDA"); at != std::string_view::npos;
         at = bytes.find("\xFF\xDA", at + 1)) {
        ++found;
    }
    return found;
}

// The input as scan data: every 0xFF stuffed with a zero, as an encoder writes it.
std::string stuffed(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        out += c;
        if (c == '\xFF') {
            out += '\0';
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::bytesOf(data, size);
    const int all = jpegScanCount(bytes, 1 << 20);
    check(all >= -1, "a count or -1");
    check(all == -1 || bytes.starts_with("\xFF\xD8"), "only a JPEG has scans");
    check(all <= static_cast<int>(startOfScanMarkers(bytes)), "every scan has its marker");
    check(jpegScanCount(bytes, 3) <= 4, "the count stops once past enough");

    const int scans = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 70;
    std::string jpeg = "\xFF\xD8\xFF\xE0";
    jpeg += std::string("\x00\x04\x4A\x46", 4);
    const std::string data_ = stuffed(bytes.substr(std::min<std::size_t>(1, bytes.size())));
    for (int i = 0; i < scans; ++i) {
        jpeg += std::string("\xFF\xDA\x00\x03\x01", 5) + data_ + "\xFF\xD0" + data_;
    }
    jpeg += "\xFF\xD9";
    check(jpegScanCount(jpeg, 1 << 20) == scans, "as many scans as were written");
    return 0;
}
