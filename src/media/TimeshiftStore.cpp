#include "media/TimeshiftStore.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <system_error>
#include <unistd.h>

namespace lumo {

namespace {

constexpr std::int64_t kBurstMs = 2000;    // what comes this soon after the first byte
constexpr std::size_t kMostArrivals = 600; // ten minutes of arrivals

std::int64_t nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::uint64_t statFree(const std::filesystem::path& folder) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

// Writes all of `bytes` at `offset`, or says it could not.
bool writeAt(int fd, std::string_view bytes, std::uint64_t offset) {
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

} // namespace

TimeshiftStore::TimeshiftStore(TimeshiftLimits limits) : m_limits(std::move(limits)) {
    m_limits.maxBytes = std::max<std::uint64_t>(m_limits.maxBytes, 64 * 1024);
    m_worker = std::thread([this] { work(); });
}

TimeshiftStore::~TimeshiftStore() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_progress = nullptr;
    }
    m_wake.notify_all();
    m_worker.join();
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void TimeshiftStore::append(std::string_view bytes) {
    if (bytes.empty()) {
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_pieces.push_back({m_end, std::string(bytes)});
        m_end += bytes.size();
        m_waiting += bytes.size();
        const std::int64_t now = nowMs();
        if (m_arrivals.empty() || now - m_arrivals.back().first >= 1000) {
            m_arrivals.emplace_back(now, m_end);
            if (m_arrivals.size() > kMostArrivals) {
                m_arrivals.erase(m_arrivals.begin() + 1); // the first stays: the burst's time
            }
        }
    }
    m_wake.notify_all();
}

void TimeshiftStore::markTitle(const std::string& title) {
    std::lock_guard lock(m_mutex);
    if (!m_titles.empty() && m_titles.back().at == m_end) {
        m_titles.back().text = title;
        return;
    }
    m_titles.push_back({m_end, title});
    if (m_titles.size() > kMostTitles) {
        m_titles.pop_front();
    }
}

void TimeshiftStore::setProgress(std::function<void()> progress) {
    std::lock_guard lock(m_mutex);
    m_progress = std::move(progress);
}

std::uint64_t TimeshiftStore::ringStart() const {
    if (!m_onDisk) {
        return m_pieces.empty() ? m_end : m_pieces.front().at;
    }
    return m_durable > m_limits.maxBytes ? m_durable - m_limits.maxBytes : 0;
}

long TimeshiftStore::read(std::uint64_t at, unsigned char* into, std::size_t size) const {
    std::unique_lock lock(m_mutex);
    if (at < ringStart()) {
        return -1;
    }
    if (at >= m_end || size == 0) {
        return 0;
    }
    if (!m_pieces.empty() && at >= m_pieces.front().at) {
        for (const Piece& piece : m_pieces) {
            if (at < piece.at + piece.bytes.size()) {
                const std::size_t from = at - piece.at;
                const std::size_t n = std::min(size, piece.bytes.size() - from);
                std::copy_n(piece.bytes.begin() + static_cast<std::ptrdiff_t>(from), n, into);
                return static_cast<long>(n);
            }
        }
        return 0;
    }
    // On the disk: read without the lock, then make sure the ring has not come round over it.
    const std::uint64_t offset = at % m_limits.maxBytes;
    const std::size_t n = static_cast<std::size_t>(
        std::min<std::uint64_t>({size, m_durable - at, m_limits.maxBytes - offset}));
    const int fd = m_fd;
    lock.unlock();
    ssize_t got = -1;
    do {
        got = ::pread(fd, into, n, static_cast<off_t>(offset));
    } while (got < 0 && errno == EINTR);
    lock.lock();
    if (got <= 0 || at < ringStart()) {
        return -1;
    }
    return static_cast<long>(got);
}

void TimeshiftStore::release(std::uint64_t at) {
    std::lock_guard lock(m_mutex);
    if (!m_givenUp) {
        return; // the ring may still take them
    }
    while (!m_pieces.empty()) {
        Piece& piece = m_pieces.front();
        if (piece.at + piece.bytes.size() <= at) {
            m_waiting -= piece.bytes.size();
            m_pieces.pop_front();
        } else {
            if (piece.at < at) {
                const std::size_t drop = at - piece.at;
                piece.bytes.erase(0, drop);
                piece.at = at;
                m_waiting -= drop;
            }
            break;
        }
    }
}

std::uint64_t TimeshiftStore::end() const {
    std::lock_guard lock(m_mutex);
    return m_end;
}

std::uint64_t TimeshiftStore::start(std::size_t bytesPerSecond) const {
    std::lock_guard lock(m_mutex);
    const std::uint64_t longest = static_cast<std::uint64_t>(bytesPerSecond) *
                                  static_cast<std::uint64_t>(m_limits.maxSeconds);
    const std::uint64_t byTime = bytesPerSecond > 0 && m_end > longest ? m_end - longest : 0;
    return std::max(ringStart(), byTime);
}

std::size_t TimeshiftStore::waiting() const {
    std::lock_guard lock(m_mutex);
    return m_waiting;
}

std::size_t TimeshiftStore::arrivalRate() const {
    std::lock_guard lock(m_mutex);
    if (m_arrivals.empty()) {
        return 0;
    }
    const std::int64_t first = m_arrivals.front().first;
    const auto from = std::find_if(m_arrivals.begin(), m_arrivals.end(), [first](const auto& at) {
        return at.first >= first + kBurstMs;
    });
    if (from == m_arrivals.end() || m_arrivals.back().first - from->first < 3000) {
        return 0;
    }
    return static_cast<std::size_t>(
        (m_arrivals.back().second - from->second) * 1000 /
        static_cast<std::uint64_t>(m_arrivals.back().first - from->first));
}

bool TimeshiftStore::onDisk() const {
    std::lock_guard lock(m_mutex);
    return m_onDisk;
}

bool TimeshiftStore::settled() const {
    std::lock_guard lock(m_mutex);
    return m_onDisk || m_givenUp;
}

std::string TimeshiftStore::titleAt(std::uint64_t at) const {
    std::lock_guard lock(m_mutex);
    std::string title;
    for (const Title& mark : m_titles) {
        if (mark.at > at) {
            break;
        }
        title = mark.text;
    }
    return title;
}

std::uint64_t TimeshiftStore::titleStart(std::uint64_t at) const {
    std::lock_guard lock(m_mutex);
    std::uint64_t begun = 0;
    for (const Title& mark : m_titles) {
        if (mark.at > at) {
            break;
        }
        begun = mark.at;
    }
    return begun;
}

bool TimeshiftStore::nextTitle(std::uint64_t at, std::uint64_t& place) const {
    std::lock_guard lock(m_mutex);
    for (const Title& mark : m_titles) {
        if (mark.at > at) {
            place = mark.at;
            return true;
        }
    }
    return false;
}

bool TimeshiftStore::openRing() {
    const std::filesystem::path& folder = m_limits.folder;
    if (folder.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::uint64_t free = m_limits.freeBytes ? m_limits.freeBytes(folder) : statFree(folder);
    if (free < m_limits.minFreeBytes) {
        return false;
    }
    // A file without a name: it goes with its descriptor, even when the program is killed.
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) {
        std::string name = (folder / "timeshift-XXXXXX").string();
        fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd >= 0) {
            ::unlink(name.c_str());
        }
    }
    if (fd < 0) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    m_fd = fd;
    m_onDisk = true;
    return true;
}

void TimeshiftStore::work() {
    const bool ring = openRing();
    std::unique_lock lock(m_mutex);
    // Told without the lock: the one told may be asking this store for something.
    const auto tell = [&] {
        const std::function<void()> progress = m_progress;
        lock.unlock();
        if (progress) {
            progress();
        }
        lock.lock();
    };
    if (!ring) {
        m_givenUp = true;
        tell();
        return;
    }
    while (true) {
        m_wake.wait(lock, [this] { return m_stopping || !m_pieces.empty(); });
        if (m_stopping) {
            return;
        }
        // Pieces stay where they are while written (appending does not move them).
        const Piece& piece = m_pieces.front();
        const std::string_view bytes = piece.bytes;
        const std::uint64_t at = piece.at;
        const std::uint64_t size = m_limits.maxBytes;
        lock.unlock();
        const std::uint64_t offset = at % size;
        const std::size_t first =
            static_cast<std::size_t>(std::min<std::uint64_t>(bytes.size(), size - offset));
        const bool written =
            writeAt(m_fd, bytes.substr(0, first), offset) && writeAt(m_fd, bytes.substr(first), 0);
        lock.lock();
        if (!written) {
            // The disk failed: what is not yet written stays in memory, as without a ring.
            m_onDisk = false;
            m_givenUp = true;
            tell();
            return;
        }
        m_durable = at + bytes.size();
        m_waiting -= bytes.size();
        m_pieces.pop_front();
        tell();
    }
}

} // namespace lumo
