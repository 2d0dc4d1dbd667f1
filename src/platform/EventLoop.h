#pragma once

#include <QElapsedTimer>

namespace lumo {

// Lets pending window events (clicks, timer ticks, repaints) run, then returns.
void yieldToEventLoop();

// For loops that yield after every small step (a transfer's 255-byte blocks): each call lets
// pending events run when a couple of milliseconds have passed since the last time, which keeps
// the window as lively and the loop itself fast.
class PacedYield {
public:
    void operator()();

private:
    QElapsedTimer m_sinceLast;
};

// Blocks the calling thread; the program uses short waits between two yields.
void sleepMilliseconds(int milliseconds);

} // namespace lumo
