#pragma once

#include "media/StreamReserve.h"
#include "media/TimeshiftStore.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <sys/types.h>

namespace lumo {

// The bytes of a stream the program reads itself, on their way to libVLC: the network side
// adds what arrives (never waiting), libVLC's reading thread takes them, waiting until there
// are some or the stream has ended. A reserve is kept back (see StreamReserve): libVLC gets
// nothing until it has filled, and after an underrun until it has filled again. Shared
// by both sides; either may go first.
//
// The bytes are kept in a TimeshiftStore by their place in the stream. With a ring file on the
// disk, what has been heard stays there (up to the limits) and the network side never holds
// off for a listener who has paused: libVLC's place may lie behind the live end, and may be
// moved back and forth within what is kept while libVLC is not reading.
class StreamFeed {
public:
    // Without a ring file, the most bytes kept; the network side holds off at half of it (see
    // wantsMore), which only a stream sent faster than it plays reaches.
    static constexpr std::size_t kRoom = 1 << 20;

    explicit StreamFeed(TimeshiftLimits limits = {});
    ~StreamFeed();

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

    // The stream's title changed at the live end.
    void markTitle(const std::string& title);
    // Whether what has been heard is kept (a ring file on the disk).
    bool keepsHistory() const;
    // libVLC's place: the next byte it reads. The live end, and the first byte still kept.
    std::uint64_t readAt() const;
    std::uint64_t liveEnd() const;
    std::uint64_t firstKept() const;
    // The stream's rate for places in time (bytes a second): the station's word, else as it
    // arrives, else the reserve's guess.
    std::size_t bytesPerSecond() const;
    // libVLC's read under way, and those after it, end at once (as at the stream's end), so
    // that its stop can finish; until moveTo.
    void interrupt();
    // Moves libVLC's place within what is kept (only while libVLC does not read), clamped, and
    // lets it read again.
    void moveTo(std::uint64_t place);
    const TimeshiftStore& store() const { return *m_store; }

    // libVLC's callbacks for a media read from a feed (the opaque pointer is the feed).
    static int open(void* opaque, void** data, std::uint64_t* size);
    static ssize_t read(void* opaque, unsigned char* into, std::size_t size);
    static void close(void* opaque);
    // A stream cannot be sought; that libVLC is told it could makes it read at the pace it
    // plays (as its own HTTP reader does) instead of taking everything as it comes.
    static int seek(void* opaque, std::uint64_t offset);

private:
    std::int64_t nowMs() const;
    std::size_t level() const; // under the lock: bytes from libVLC's place to the live end
    void stored();             // the store wrote to the disk, or gave it up
    std::size_t rate() const;  // under the lock: bytesPerSecond

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    StreamReserve m_reserve;
    std::function<void()> m_more;
    std::uint64_t m_readAt = 0;
    bool m_holding = false; // the network side holds off until `more`
    bool m_ended = false;
    bool m_interrupted = false;
    std::unique_ptr<TimeshiftStore> m_store; // goes first: its worker tells this feed
};

} // namespace lumo
