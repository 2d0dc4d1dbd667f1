#pragma once

#include "platform/Pending.h"
#include "record/Recorder.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace lumo {

class StreamTap;

// The song heard at `heard` in a live stream kept on the disk, from the place its title began
// to the live end, read off the window's thread, in pieces by title, with what arrives
// meanwhile added: what a recording of it begins with. Nothing when no title has begun in the
// stream (its first song was joined in its middle) or its start is no longer kept.
using HeardSongDone = std::function<void(std::optional<Recorder::Preroll>)>;
[[nodiscard]] PendingPtr readHeardSong(StreamTap& tap, std::uint64_t heard,
                                       const HeardSongDone& done);

} // namespace lumo
