#include "platform/EventLoop.h"

#include <QCoreApplication>
#include <QThread>

namespace lumo {

void yieldToEventLoop() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
}

void PacedYield::operator()() {
    if (!m_sinceLast.isValid() || m_sinceLast.elapsed() >= 2) {
        yieldToEventLoop();
        m_sinceLast.start();
    }
}

void sleepMilliseconds(int milliseconds) {
    if (milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
}

} // namespace lumo
