#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace lumo {

// Where and how much of a live stream is kept for pausing and moving back in it.
struct TimeshiftLimits {
    std::filesystem::path folder;                      // empty: nothing is kept on disk
    std::uint64_t maxBytes = 200ULL * 1024 * 1024;     // the ring file's size
    int maxSeconds = 60 * 60;                          // and at most this long
    std::uint64_t minFreeBytes = 500ULL * 1024 * 1024; // no ring on a fuller disk
    // The free space of a folder's disk (statvfs when not given; tests give their own).
    std::function<std::uint64_t(const std::filesystem::path&)> freeBytes;
};

// The bytes of a live stream, by their place in it (0 is its first byte). What arrives is
// appended without waiting; a worker thread writes it to a ring file in the limits' folder, a
// file without a name (nothing is left behind, whatever happens to the program), whose oldest
// bytes the newest overwrite. Until written, bytes are read from memory. Without a ring file
// (no folder, a disk with too little room, a write that failed) only memory is kept, and the
// reader releases what it has read. Titles are kept with the place they began.
class TimeshiftStore {
public:
    // The most bytes waiting for the disk: past it the network side holds off, so a disk that
    // stalls is heard as buffering.
    static constexpr std::size_t kMostWaiting = 4 * 1024 * 1024;
    static constexpr std::size_t kMostTitles = 512;

    explicit TimeshiftStore(TimeshiftLimits limits);
    // Stops the worker; the ring file goes with its descriptor.
    ~TimeshiftStore();
    TimeshiftStore(const TimeshiftStore&) = delete;
    TimeshiftStore& operator=(const TimeshiftStore&) = delete;

    // Any thread: adds bytes at the end, never waiting.
    void append(std::string_view bytes);
    // Any thread: the title heard from the end on.
    void markTitle(const std::string& title);
    // Told whenever bytes reach the disk or the ring is given up (from the worker; it must
    // only notify or post).
    void setProgress(std::function<void()> progress);

    // Copies up to `size` bytes from `at` (on the reader's thread: it may wait on the disk).
    // -1 when `at` is no longer kept (overwritten meanwhile); 0 when nothing is there yet.
    long read(std::uint64_t at, unsigned char* into, std::size_t size) const;
    // Memory only: the bytes before `at` are no longer wanted.
    void release(std::uint64_t at);

    std::uint64_t end() const; // the place after the last byte appended
    // The first place still kept; `bytesPerSecond` bounds it to the limits' seconds.
    std::uint64_t start(std::size_t bytesPerSecond) const;
    std::size_t waiting() const; // bytes not yet on the disk (or held in memory)
    // The rate the stream arrives at (bytes a second), measured past the burst a station may
    // send at connect; 0 until a few seconds have been measured.
    std::size_t arrivalRate() const;
    // Whether a ring file keeps the stream (false until the worker has one, and without).
    bool onDisk() const;
    // Whether the worker has decided between the disk and memory.
    bool settled() const;
    // The title heard at `at` (empty before any).
    std::string titleAt(std::uint64_t at) const;
    // The place where the title heard at `at` began (0 when none is known).
    std::uint64_t titleStart(std::uint64_t at) const;
    // The next place after `at` where a title begins, if any.
    bool nextTitle(std::uint64_t at, std::uint64_t& place) const;

private:
    struct Piece {
        std::uint64_t at;
        std::string bytes;
    };
    struct Title {
        std::uint64_t at;
        std::string text;
    };
    void work();
    bool openRing();
    std::uint64_t ringStart() const; // under the lock

    TimeshiftLimits m_limits;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Piece> m_pieces; // not yet on the disk, oldest first
    std::size_t m_waiting = 0;
    std::deque<Title> m_titles;
    std::deque<std::pair<std::int64_t, std::uint64_t>> m_arrivals; // (ms, end) once a second
    std::function<void()> m_progress;
    std::uint64_t m_end = 0;
    std::uint64_t m_durable = 0;  // bytes before this are in the ring file
    std::uint64_t m_released = 0; // memory only: bytes before this are gone
    int m_fd = -1;
    bool m_onDisk = false;
    bool m_givenUp = false; // memory only, for good
    bool m_stopping = false;
    std::thread m_worker;
};

} // namespace lumo
