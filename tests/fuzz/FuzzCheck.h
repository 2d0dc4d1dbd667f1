#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// What every harness defines: libFuzzer's entry point, also driven by the replay program.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace lumo::fuzz {

// A broken rule is a finding: say which and abort, so libFuzzer keeps the input.
inline void check(bool holds, std::string_view rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %.*s\n", static_cast<int>(rule.size()), rule.data());
        std::abort();
    }
}

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace lumo::fuzz
