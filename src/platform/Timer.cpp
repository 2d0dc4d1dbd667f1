#include "platform/Timer.h"

namespace lumo {

Timer::Timer(QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int milliseconds) {
    m_interval = milliseconds > 0 ? milliseconds : 0;
    if (m_interval == 0) {
        m_timer.stop();
    } else {
        m_timer.start(m_interval);
    }
}

void Timer::tick() {
    if (m_handler) {
        m_handler();
    }
}

} // namespace lumo
