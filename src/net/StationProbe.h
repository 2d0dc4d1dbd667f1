#pragma once

#include "platform/Pending.h"

#include <functional>
#include <string>

namespace lumo {

class NetEngine;

// A cheap probe of whether a station answers again: a connection and the start of a request
// (with the program's User-Agent), given up at the first byte of its stream. `done` comes later
// with true for an http(s) address that answers with a success status within the time, false
// for anything else (other schemes included: they cannot be looked at this way).
[[nodiscard]] PendingPtr probeStation(NetEngine& engine, const std::string& address,
                                      long timeoutMilliseconds, std::function<void(bool)> done);

// Whether probeStation can probe the address at all: http(s) with its scheme.
bool canProbe(const std::string& address);

} // namespace lumo
