#pragma once

#include <functional>
#include <memory>

namespace lumo {

// Something under way whose result comes later, as an event of its own: a transfer, a decode.
// Its owner holds it; dropping it calls the work off, and then its result never arrives.
class Pending {
public:
    virtual ~Pending() = default;
};

using PendingPtr = std::unique_ptr<Pending>;

// Runs `work` from the event loop, soon: for a result that is known at once but must still
// arrive the way every result does. Dropping the handle first means it never runs.
[[nodiscard]] PendingPtr later(std::function<void()> work);

} // namespace lumo
