#include "media/StreamReserve.h"

#include <algorithm>

namespace lumo {

void StreamReserve::setRate(std::size_t bytesPerSecond) {
    if (bytesPerSecond > 0) {
        m_rate = bytesPerSecond;
        m_rateNamed = true;
    }
}

std::size_t StreamReserve::target() const {
    return m_rate * static_cast<std::size_t>(m_targetMs) / 1000;
}

bool StreamReserve::mayTake(std::size_t level, bool ended, std::int64_t nowMs) {
    if (m_filling && (ended || level >= target())) {
        m_filling = false;
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
    }
}

} // namespace lumo
