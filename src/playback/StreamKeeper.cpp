#include "playback/StreamKeeper.h"

#include "media/MediaPlayer.h"

#include <algorithm>
#include <chrono>

namespace lumo {

StreamKeeper::StreamKeeper(MediaPlayer& media, Check check, QObject* parent, Clock clock)
    : QObject(parent), m_media(media), m_clock(std::move(clock)), m_answers(std::move(check)) {
    // Precise: a coarse timer may fire 5 % early, and the station is asked on these.
    m_check.setTimerType(Qt::PreciseTimer);
    m_retry.setTimerType(Qt::PreciseTimer);
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
    if (waiting()) {
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
    scheduleAttempt();
    return true;
}

void StreamKeeper::scheduleAttempt() {
    const auto spacing = static_cast<int>(std::clamp<std::int64_t>(
        m_lastAsked ? kCheckMilliseconds - (m_clock() - *m_lastAsked) : 0, 0, kCheckMilliseconds));
    m_retry.start(std::max(delayBefore(m_attempts), spacing));
    m_check.start();
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
    m_look.reset();
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
    if (looking() || m_retry.remainingTime() <= kCheckMilliseconds ||
        (m_lastAsked && now - *m_lastAsked < kCheckMilliseconds - 100)) {
        return;
    }
    m_lastAsked = now;
    if (m_media.URL() != m_address) {
        return;
    }
    look([this](std::optional<bool> answer) {
        if (answer.value_or(false) && m_retry.isActive()) {
            m_retry.stop();
            m_check.stop();
            giveToPlayer();
        }
    });
}

void StreamKeeper::attemptNow() {
    m_retry.stop();
    m_check.stop();
    // Another station was loaded meanwhile: leave it alone.
    if (m_media.URL() != m_address) {
        m_attempts = 0;
        return;
    }
    m_lastAsked = m_clock();
    look([this](std::optional<bool> answer) {
        if (answer.value_or(true)) {
            giveToPlayer();
        } else if (m_attempts < kMaxAttempts) {
            ++m_attempts; // still away: this attempt is spent on the probe
            scheduleAttempt();
        }
    });
}

// The answer counts only while the station it was asked about is still the player's.
void StreamKeeper::look(std::function<void(std::optional<bool>)> then) {
    m_look = m_answers(m_address, [this, then = std::move(then)](std::optional<bool> answer) {
        m_look.reset();
        if (m_media.URL() == m_address) {
            then(answer);
        }
    });
}

void StreamKeeper::giveToPlayer() {
    m_lastAsked = m_clock();
    m_media.setURL(m_address);
}

} // namespace lumo
