#include "media/StreamReserve.h"

#include <algorithm>

namespace lumo {

void StreamReserve::setRate(std::size_t bytesPerSecond) {
    if (bytesPerSecond > 0) {
        m_rate = bytesPerSecond;
        m_rateNamed = true;
    }
}

std::size_t StreamReserve::bytesFor(int ms) const {
    return std::min(m_most / 2, m_rate * static_cast<std::size_t>(ms) / 1000);
}

bool StreamReserve::mayTake(std::size_t level, bool ended, std::int64_t nowMs) {
    if (m_filling && (ended || level >= target())) {
        m_filling = false;
        m_kept = 0;
        m_keptAt = nowMs;
        m_releasedAt = nowMs;
        m_takenSince = 0;
    }
    return !m_filling || ended;
}

void StreamReserve::took(std::size_t bytes, std::int64_t nowMs) {
    m_takenSince += bytes;
    // What libVLC takes once it plays is the stream's rate; a rate the station named stands.
    const std::int64_t span = nowMs - m_releasedAt;
    if (!m_rateNamed && m_releasedAt >= 0 && span >= kMeasureMs) {
        m_rate = std::max<std::size_t>(1, m_takenSince * 1000 / static_cast<std::size_t>(span));
        m_releasedAt = nowMs;
        m_takenSince = 0;
    }
}

void StreamReserve::underran() {
    if (!m_filling) {
        m_filling = true;
        ++m_underruns;
        m_targetMs = std::min(m_targetMs * 2, kLongestMs);
        m_kept = 0;
    }
}

void StreamReserve::added(std::size_t level, std::int64_t nowMs) {
    // The highest level, or the level now when that has not been reached for a while (libVLC
    // took its share of what was there when the reserve filled).
    if (!m_filling && (level >= m_kept || nowMs - m_keptAt > kSettleMs)) {
        m_kept = std::min(level, bytesFor(kLongestMs));
        m_keptAt = nowMs;
    }
}

std::size_t StreamReserve::batch() const {
    return std::min({m_kept / 2, bytesFor(1000), kMostBatch});
}

std::size_t StreamReserve::highMark() const {
    // While it fills everything that comes is wanted; and a batch too small to matter is none.
    if (m_filling || batch() < kLeastBatch) {
        return m_most;
    }
    return m_kept - batch() / 4; // near the top: the level hardly rises above it again
}

std::size_t StreamReserve::lowMark() const {
    return highMark() == m_most ? m_most : m_kept - batch();
}

} // namespace lumo
