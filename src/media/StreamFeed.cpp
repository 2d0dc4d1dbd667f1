#include "media/StreamFeed.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace lumo {

StreamFeed::StreamFeed() = default;

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
        bytes = bytes.substr(0, kRoom - std::min(kRoom, m_bytes.size()));
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    m_arrived.notify_all();
}

bool StreamFeed::wantsMore() {
    std::lock_guard lock(m_mutex);
    if (m_bytes.size() >= kRoom / 2) {
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
    m_arrived.wait(lock, [this] {
        return m_reserve.mayTake(m_bytes.size(), m_ended, nowMs()) && (!m_bytes.empty() || m_ended);
    });
    const std::size_t n = std::min(size, m_bytes.size());
    std::copy_n(m_bytes.begin(), n, into);
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(n));
    m_reserve.took(n, nowMs());
    if (m_holding && m_bytes.size() < kRoom / 4) {
        m_holding = false;
        if (m_more) {
            m_more(); // posts only; the lock keeps whoever set it from going meanwhile
        }
    }
    return static_cast<ssize_t>(n);
}

std::size_t StreamFeed::buffered() const {
    std::lock_guard lock(m_mutex);
    return m_bytes.size();
}

bool StreamFeed::holding() const {
    std::lock_guard lock(m_mutex);
    return m_holding;
}

void StreamFeed::underran() {
    std::lock_guard lock(m_mutex);
    if (m_bytes.empty() && !m_ended) {
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
