#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

namespace lumo::test {

// Runs the event loop until `done` holds or the time is up; returns whether it held.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMilliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// Runs the event loop for a while, whatever happens meanwhile.
inline void runFor(int milliseconds) {
    waitUntil([] { return false; }, milliseconds);
}

// Starts an operation whose result comes later as an event (`start` is given the function to
// call with it, and returns what keeps the operation alive), and runs the event loop until the
// result is there: nothing when it never came.
template <class Result, class Start>
std::optional<Result> resultOf(Start start, int timeoutMilliseconds = 20000) {
    std::optional<Result> result;
    auto deliver = [&result](Result value) { result.emplace(std::move(value)); };
    auto arrived = [&] { return result.has_value(); };
    if constexpr (std::is_void_v<std::invoke_result_t<Start, decltype(deliver)>>) {
        start(deliver);
        waitUntil(arrived, timeoutMilliseconds);
    } else {
        auto keep = start(deliver);
        waitUntil(arrived, timeoutMilliseconds);
    }
    return result;
}

} // namespace lumo::test
