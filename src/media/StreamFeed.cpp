#include "media/StreamFeed.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace lumo {

StreamFeed::StreamFeed(TimeshiftLimits limits)
    : m_store(std::make_unique<TimeshiftStore>(std::move(limits))) {
    m_store->setProgress([this] { stored(); });
}

StreamFeed::~StreamFeed() {
    m_store.reset(); // its worker stops before the rest goes
}

std::size_t StreamFeed::level() const {
    const std::uint64_t end = m_store->end();
    return end > m_readAt ? static_cast<std::size_t>(end - m_readAt) : 0;
}

void StreamFeed::stored() {
    std::function<void()> more;
    {
        std::lock_guard lock(m_mutex);
        if (m_holding && m_store->onDisk() &&
            m_store->waiting() < TimeshiftStore::kMostWaiting / 2) {
            m_holding = false;
            more = m_more;
        }
    }
    if (more) {
        more(); // posts only
    }
}

std::int64_t StreamFeed::nowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void StreamFeed::add(std::string_view bytes) {
    {
        std::lock_guard lock(m_mutex);
        if (m_ended) {
            return;
        }
        if (!m_store->onDisk()) {
            bytes = bytes.substr(0, kRoom - std::min(kRoom, level()));
        }
        m_store->append(bytes);
    }
    m_arrived.notify_all();
}

bool StreamFeed::wantsMore() {
    std::lock_guard lock(m_mutex);
    if (m_store->onDisk() ? m_store->waiting() >= TimeshiftStore::kMostWaiting
                          : level() >= kRoom / 2) {
        m_holding = true;
    }
    return !m_holding;
}

void StreamFeed::setMore(std::function<void()> more) {
    std::lock_guard lock(m_mutex);
    m_more = std::move(more);
}

void StreamFeed::setRate(std::size_t bytesPerSecond) {
    std::lock_guard lock(m_mutex);
    m_reserve.setRate(bytesPerSecond);
}

void StreamFeed::end() {
    {
        std::lock_guard lock(m_mutex);
        m_ended = true;
        m_more = nullptr;
    }
    m_arrived.notify_all();
}

ssize_t StreamFeed::read(unsigned char* into, std::size_t size) {
    std::unique_lock lock(m_mutex);
    std::size_t n = 0;
    while (true) {
        m_arrived.wait(lock, [this] {
            const std::size_t waiting = level();
            return m_interrupted ||
                   (m_reserve.mayTake(waiting, m_ended, nowMs()) && (waiting > 0 || m_ended));
        });
        if (m_interrupted || level() == 0) {
            return 0; // the end, or a stop
        }
        m_readAt = std::max(m_readAt, m_store->start(rate()));
        // The disk is read without the feed's lock: the network side never waits for it.
        const std::uint64_t at = m_readAt;
        lock.unlock();
        const long got = m_store->read(at, into, size);
        lock.lock();
        if (got > 0 && m_readAt == at) {
            n = static_cast<std::size_t>(got);
            m_readAt += n;
            break;
        }
        if (got < 0) {
            const std::uint64_t first = m_store->start(rate());
            if (first <= at) {
                return 0; // the disk failed under what libVLC was to hear: the stream ends
            }
            m_readAt = std::max(m_readAt, first); // overwritten meanwhile
        }
    }
    if (!m_store->onDisk()) {
        m_store->release(m_readAt);
    }
    m_reserve.took(n, nowMs());
    if (m_holding && !m_store->onDisk() && level() < kRoom / 4) {
        m_holding = false;
        if (m_more) {
            m_more(); // posts only; the lock keeps whoever set it from going meanwhile
        }
    }
    return static_cast<ssize_t>(n);
}

std::size_t StreamFeed::buffered() const {
    std::lock_guard lock(m_mutex);
    return level();
}

bool StreamFeed::holding() const {
    std::lock_guard lock(m_mutex);
    return m_holding;
}

void StreamFeed::underran() {
    std::lock_guard lock(m_mutex);
    if (level() == 0 && !m_ended) {
        m_reserve.underran();
    }
}

bool StreamFeed::rebuffering() const {
    std::lock_guard lock(m_mutex);
    return m_reserve.filling() && m_reserve.underruns() > 0 && !m_ended;
}

StreamReserve StreamFeed::reserve() const {
    std::lock_guard lock(m_mutex);
    return m_reserve;
}

void StreamFeed::markTitle(const std::string& title) {
    m_store->markTitle(title);
}

bool StreamFeed::keepsHistory() const {
    return m_store->onDisk();
}

std::uint64_t StreamFeed::readAt() const {
    std::lock_guard lock(m_mutex);
    return m_readAt;
}

std::uint64_t StreamFeed::liveEnd() const {
    return m_store->end();
}

std::size_t StreamFeed::bytesPerSecond() const {
    std::lock_guard lock(m_mutex);
    return rate();
}

std::size_t StreamFeed::rate() const {
    if (m_reserve.rateNamed()) {
        return m_reserve.rate();
    }
    const std::size_t arriving = m_store->arrivalRate();
    return arriving > 0 ? arriving : m_reserve.rate();
}

std::uint64_t StreamFeed::firstKept() const {
    std::lock_guard lock(m_mutex);
    return m_store->start(rate());
}

void StreamFeed::interrupt() {
    {
        std::lock_guard lock(m_mutex);
        m_interrupted = true;
    }
    m_arrived.notify_all();
}

void StreamFeed::moveTo(std::uint64_t place) {
    {
        std::lock_guard lock(m_mutex);
        m_interrupted = false;
        m_readAt = std::clamp(place, m_store->start(rate()), m_store->end());
    }
    m_arrived.notify_all();
}

int StreamFeed::open(void* opaque, void** data, std::uint64_t* size) {
    *data = opaque;
    *size = UINT64_MAX; // a stream has no length
    return 0;
}

ssize_t StreamFeed::read(void* opaque, unsigned char* into, std::size_t size) {
    return static_cast<StreamFeed*>(opaque)->read(into, size);
}

void StreamFeed::close(void*) {}

int StreamFeed::seek(void*, std::uint64_t) {
    return -1;
}

} // namespace lumo
