#include "media/StreamFeed.h"

#include <algorithm>
#include <cstdint>

namespace lumo {

bool StreamFeed::add(std::string_view bytes) {
    {
        std::lock_guard lock(m_mutex);
        if (m_ended) {
            return true;
        }
        if (m_bytes.size() >= kRoom) {
            m_full = true;
            return false;
        }
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }
    m_arrived.notify_all();
    return true;
}

void StreamFeed::setMore(std::function<void()> more) {
    std::lock_guard lock(m_mutex);
    m_more = std::move(more);
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
    m_arrived.wait(lock, [this] { return !m_bytes.empty() || m_ended; });
    const std::size_t n = std::min(size, m_bytes.size());
    std::copy_n(m_bytes.begin(), n, into);
    m_bytes.erase(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(n));
    if (m_full && m_bytes.size() < kRoom / 2) {
        m_full = false;
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
