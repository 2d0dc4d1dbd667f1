#pragma once

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
// are some or the stream has ended. Shared by both sides; either may go first.
class StreamFeed {
public:
    // Past this many bytes the network side is asked to hold off (see add).
    static constexpr std::size_t kRoom = 1 << 20;

    // Adds bytes; false when the feed is full and the caller should pause until `more` is
    // called (from libVLC's thread: it must only post).
    bool add(std::string_view bytes);
    void setMore(std::function<void()> more);
    // No more bytes will come: a reader waiting gets what is left, then the end.
    void end();

    // libVLC's side: up to `size` bytes, waiting for some; 0 at the end.
    ssize_t read(unsigned char* into, std::size_t size);
    std::size_t buffered() const;

    // libVLC's callbacks for a media read from a feed (the opaque pointer is the feed).
    static int open(void* opaque, void** data, std::uint64_t* size);
    static ssize_t read(void* opaque, unsigned char* into, std::size_t size);
    static void close(void* opaque);
    // A stream cannot be sought; that libVLC is told it could makes it read at the pace it
    // plays (as its own HTTP reader does) instead of taking everything as it comes.
    static int seek(void* opaque, std::uint64_t offset);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<unsigned char> m_bytes;
    std::function<void()> m_more;
    bool m_full = false;
    bool m_ended = false;
};

} // namespace lumo
