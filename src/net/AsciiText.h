#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace lumo {

// Protocol text (header names, schemes, types) in lower case; bytes past ASCII stay.
inline std::string asciiLowered(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return out;
}

} // namespace lumo
