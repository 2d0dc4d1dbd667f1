#pragma once

#include <functional>
#include <memory>

class QObject;

namespace lumo {

// Something under way whose result comes later, as an event of its own: a transfer, a decode.
// Its owner holds it; dropping it cancels the work, and then its result never arrives.
class Pending {
public:
    virtual ~Pending() = default;
};

using PendingPtr = std::unique_ptr<Pending>;

// Runs `work` from the event loop, soon: for a result that is known at once but must still
// arrive the way every result does. Dropping the handle first means it never runs.
[[nodiscard]] PendingPtr later(std::function<void()> work);

// Runs `cancel` when the handle is dropped: for work whose owner cancels it by a call.
[[nodiscard]] PendingPtr whenDropped(std::function<void()> cancel);

// Runs `work` on a worker thread; the call it returns then runs on the calling thread, as an
// event, unless the handle has been dropped by then.
[[nodiscard]] PendingPtr offThread(std::function<std::function<void()>()> work);

// Calls run from the event loop, soon, for results known at once that must still arrive the way
// every result does. cancel() drops every call still queued, and so does the owner's end: no
// count of rounds to compare.
class DeferredCalls {
public:
    DeferredCalls();
    ~DeferredCalls();
    DeferredCalls(const DeferredCalls&) = delete;
    DeferredCalls& operator=(const DeferredCalls&) = delete;

    void post(std::function<void()> call);
    void cancel();

private:
    std::unique_ptr<QObject> m_context; // the queued calls go with it
};

} // namespace lumo
