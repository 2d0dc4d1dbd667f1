#pragma once

#include <string_view>

namespace lumo {

// How many scans (start-of-scan segments) a JPEG file holds, counted without decoding it and
// stopping once `enough` is passed; -1 when the bytes are no JPEG. A progressive JPEG is
// decoded once per scan, so the count bounds the work a picture from outside can ask for.
int jpegScanCount(std::string_view bytes, int enough);

} // namespace lumo
