#include "playback/SleepTimer.h"

namespace lumo {

namespace {

constexpr int kKnobStep = 10;

} // namespace

SleepTimer::SleepTimer(SleepTimerHost& host, Clock now, QObject* parent)
    : QObject(parent), m_host(host), m_now(std::move(now)), m_ticker(new Timer(this)) {
    if (!m_now) {
        m_now = [] { return std::chrono::steady_clock::now(); };
    }
    m_ticker->onTick([this] { tick(); });
}

void SleepTimer::start(int minutes) {
    if (m_levelBefore) {
        m_host.setSleepVolume(*m_levelBefore); // a fade under way is cancelled
        m_levelBefore.reset();
    }
    m_chosen = minutes;
    if (minutes <= 0) {
        m_chosen = 0;
        m_end.reset();
        m_ticker->setInterval(0);
    } else {
        m_end = m_now() + std::chrono::minutes(minutes);
        m_ticker->setInterval(1000);
    }
    m_shownMinutes = minutesLeft();
    m_host.sleepTimeLeftChanged();
}

int SleepTimer::minutesLeft() const {
    if (!m_end) {
        return 0;
    }
    const auto left = std::chrono::ceil<std::chrono::minutes>(*m_end - m_now());
    return std::max(1, static_cast<int>(left.count()));
}

void SleepTimer::tick() {
    if (m_ticker->interval() == 0 || !m_end) {
        return;
    }
    if (m_now() < *m_end) {
        if (const int shown = minutesLeft(); shown != m_shownMinutes) {
            m_shownMinutes = shown;
            m_host.sleepTimeLeftChanged();
        }
        return;
    }
    if (!m_levelBefore) {
        m_levelBefore = m_host.sleepVolume();
    }
    if (const int level = m_host.sleepVolume(); level > 0) {
        m_host.setSleepVolume(std::max(0, level - kKnobStep));
        return;
    }
    end();
}

void SleepTimer::end() {
    m_host.sleepStop();
    m_host.setSleepVolume(m_levelBefore.value_or(m_host.sleepVolume()));
    m_levelBefore.reset();
    m_end.reset();
    m_chosen = 0;
    m_shownMinutes = 0;
    m_ticker->setInterval(0);
    m_host.sleepTimeLeftChanged();
}

} // namespace lumo
