#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace lumo {

// A window timer as the program uses them: the interval is in milliseconds, 0 means stopped
// and any other value (re)starts it. Ticks call the handler, which checks the interval itself
// first, because a handler may stop its own or another timer while a tick is already queued.
// Handlers never wait: what a tick starts (a fetch) ends as an event of its own.
class Timer : public QObject {
    Q_OBJECT
public:
    // Intervals that are whole multiples of this are lined up with each other (see setInterval).
    static constexpr int kCoalescedMilliseconds = 500;

    explicit Timer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

    void onTick(std::function<void()> handler) { m_handler = std::move(handler); }

    // Runs one tick now, as the event loop would; for tests that drive timers by hand.
    void tick();

private:
    QTimer m_timer;
    int m_interval = 0;
    std::function<void()> m_handler;
};

} // namespace lumo
