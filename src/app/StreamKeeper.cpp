#include "app/StreamKeeper.h"

#include "platform/MediaPlayer.h"

#include <algorithm>

namespace lumo {

StreamKeeper::StreamKeeper(MediaPlayer& media, QObject* parent) : QObject(parent), m_media(media) {
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &StreamKeeper::attemptNow);
}

int StreamKeeper::delayBefore(int attempt) {
    const int exponent = std::clamp(attempt - 1, 0, 5);
    return std::min(1000 << exponent, 30000);
}

bool StreamKeeper::streamDropped(const std::string& address) {
    if (m_retry.isActive()) {
        return true;
    }
    if (address != m_address) {
        m_address = address;
        m_attempts = 0;
    }
    if (m_attempts >= kMaxAttempts) {
        return false;
    }
    ++m_attempts;
    m_retry.start(delayBefore(m_attempts));
    return true;
}

void StreamKeeper::streamPlaying() {
    m_attempts = 0;
}

void StreamKeeper::cancel() {
    m_retry.stop();
    m_attempts = 0;
}

void StreamKeeper::attemptNow() {
    m_retry.stop();
    // Another station was loaded meanwhile: leave it alone.
    if (m_media.URL() != m_address) {
        m_attempts = 0;
        return;
    }
    m_media.setURL(m_address);
}

} // namespace lumo
