#include "app/StreamKeeper.h"

#include "platform/MediaPlayer.h"
#include "platform/StationCheck.h"

#include <algorithm>
#include <chrono>

namespace lumo {

StreamKeeper::StreamKeeper(MediaPlayer& media, QObject* parent, Clock clock, Check check)
    : QObject(parent), m_media(media), m_clock(std::move(clock)), m_answers(std::move(check)) {
    if (!m_answers) {
        m_answers = [](const std::string& address) { return stationAnswers(address, 2000); };
    }
    m_check.setInterval(kCheckMilliseconds);
    connect(&m_check, &QTimer::timeout, this, &StreamKeeper::checkNow);
    if (!m_clock) {
        m_clock = [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now().time_since_epoch())
                .count();
        };
    }
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &StreamKeeper::attemptNow);
}

int StreamKeeper::delayBefore(int attempt) {
    const int exponent = std::clamp(attempt - 1, 0, 5);
    return std::min(1000 << exponent, 30000);
}

bool StreamKeeper::streamDropped(const std::string& address) {
    m_playingSince.reset();
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
    m_check.start();
    return true;
}

void StreamKeeper::streamPlaying() {
    const std::int64_t now = m_clock();
    if (!m_playingSince) {
        m_playingSince = now;
    }
    if (now - *m_playingSince >= kSteadyMilliseconds) {
        m_attempts = 0;
    }
}

void StreamKeeper::cancel() {
    m_retry.stop();
    m_check.stop();
    m_attempts = 0;
    m_playingSince.reset();
}

void StreamKeeper::checkNow() {
    if (!m_retry.isActive()) {
        m_check.stop();
        return;
    }
    // Only when the next attempt is far off, and the station was not just asked.
    const std::int64_t now = m_clock();
    if (m_retry.remainingTime() <= kCheckMilliseconds ||
        now - m_lastAsked < kCheckMilliseconds - 100) {
        return;
    }
    m_lastAsked = now;
    if (m_media.URL() == m_address && m_answers(m_address) && m_retry.isActive()) {
        attemptNow();
    }
}

void StreamKeeper::attemptNow() {
    m_retry.stop();
    m_check.stop();
    m_lastAsked = m_clock();
    // Another station was loaded meanwhile: leave it alone.
    if (m_media.URL() != m_address) {
        m_attempts = 0;
        return;
    }
    m_media.setURL(m_address);
}

} // namespace lumo
