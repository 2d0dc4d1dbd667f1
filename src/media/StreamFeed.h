#pragma once

#include "media/StreamReserve.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string_view>
#include <sys/types.h>

namespace lumo {

// The bytes of a stream the program reads itself, on their way to libVLC: the network side
// adds what arrives (never waiting), libVLC's reading thread takes them, waiting until there
// are some or the stream has ended. A reserve is kept back (see StreamReserve): libVLC gets
// nothing until it has filled, and after an underrun until it has filled again. Shared
// by both sides; either may go first.
class StreamFeed {
public:
    // The most bytes kept; the network side holds off at half of it (see wantsMore), which
    // only a stream sent faster than it plays reaches.
    static constexpr std::size_t kRoom = 1 << 20;

    StreamFeed();

    // Adds bytes (past kRoom they are dropped: the network side holds off before).
    void add(std::string_view bytes);
    // Whether the network side should read now; when it says no, the network side holds off
    // until `more` is called (from libVLC's thread: it must only post).
    bool wantsMore();
    void setMore(std::function<void()> more);
    // The station named its rate (bytes a second).
    void setRate(std::size_t bytesPerSecond);
    // No more bytes will come: a reader waiting gets what is left, then the end.
    void end();

    // libVLC's side: up to `size` bytes, waiting for some; 0 at the end.
    ssize_t read(unsigned char* into, std::size_t size);
    std::size_t buffered() const;
    // The network side was told to hold off and has not been asked for more yet.
    bool holding() const;
    // What was kept has run out and silence is heard: fill again, to a larger reserve (nothing
    // when bytes are waiting).
    void underran();
    // The reserve is filling after an underrun: nothing is heard until it has.
    bool rebuffering() const;
    // What the reserve looks like now.
    StreamReserve reserve() const;

    // libVLC's callbacks for a media read from a feed (the opaque pointer is the feed).
    static int open(void* opaque, void** data, std::uint64_t* size);
    static ssize_t read(void* opaque, unsigned char* into, std::size_t size);
    static void close(void* opaque);
    // A stream cannot be sought; that libVLC is told it could makes it read at the pace it
    // plays (as its own HTTP reader does) instead of taking everything as it comes.
    static int seek(void* opaque, std::uint64_t offset);

private:
    std::int64_t nowMs() const;

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<unsigned char> m_bytes;
    StreamReserve m_reserve;
    std::function<void()> m_more;
    bool m_holding = false; // the network side holds off until `more`
    bool m_ended = false;
};

} // namespace lumo
