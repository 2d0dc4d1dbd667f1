#pragma once

namespace lumo {

// How every request the program makes names it: "Lumo/<version>".
inline constexpr const char* kProductName = "Lumo";
inline constexpr const char* kUserAgent = "Lumo/" LUMO_VERSION;

} // namespace lumo
