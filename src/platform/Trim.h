#pragma once

#include <string_view>

namespace lumo {

// White space as the C locale's isspace() knows it.
inline constexpr std::string_view kSpaces = " \t\n\v\f\r";

// `text` without the given characters at either end.
constexpr std::string_view trimmed(std::string_view text, std::string_view blanks = kSpaces) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

} // namespace lumo
