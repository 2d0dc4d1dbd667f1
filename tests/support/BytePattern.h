#pragma once

#include <cstddef>
#include <string>

namespace lumo::test {

// Bytes that differ from block to block, so a shifted or repeated block shows.
inline std::string bytePattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
    }
    return bytes;
}

} // namespace lumo::test
