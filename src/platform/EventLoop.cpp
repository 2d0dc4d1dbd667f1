#include "platform/EventLoop.h"

#include <QCoreApplication>
#include <QThread>

namespace lumo {

void yieldToEventLoop() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
}

void sleepMilliseconds(int milliseconds) {
    if (milliseconds > 0) {
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
}

} // namespace lumo
