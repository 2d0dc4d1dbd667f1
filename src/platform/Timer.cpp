#include "platform/Timer.h"

namespace lumo {

Timer::Timer(QObject* parent) : QObject(parent) {
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds) {
    m_interval = milliseconds > 0 ? milliseconds : 0;
    if (m_interval == 0) {
        m_timer.stop();
    } else {
        // Timers of whole half seconds may drift by up to 5 % so that Qt lines them up on the
        // half second: the status look, the countdown, the advert and the player's own checks
        // then wake the program once rather than each on its own. Shorter ones keep time.
        m_timer.setTimerType(m_interval % kCoalescedMilliseconds == 0 ? Qt::CoarseTimer
                                                                      : Qt::PreciseTimer);
        m_timer.start(m_interval);
    }
}

void Timer::tick() {
    if (m_handler) {
        m_handler();
    }
}

} // namespace lumo
