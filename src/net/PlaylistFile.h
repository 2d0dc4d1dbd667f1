#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// One entry of a playlist: where it leads, and its title (cleaned; empty when it gives none).
struct PlaylistEntry {
    std::string address;
    std::string title;
    bool operator==(const PlaylistEntry&) const = default;
};

// The most bytes of a playlist file read, and the most entries taken from it.
inline constexpr std::size_t kMostPlaylistBytes = 1 << 20;
inline constexpr std::size_t kMostPlaylistEntries = 1000;

// The entries of a playlist as listeners keep them (M3U and M3U8 with #EXTINF titles, PLS with
// FileN and TitleN, ASX references, XSPF tracks), in order, told apart by their text. Addresses
// are as the file gives them, blanks trimmed; they still have to pass the allow-list.
std::vector<PlaylistEntry> playlistEntries(std::string_view text);

} // namespace lumo
