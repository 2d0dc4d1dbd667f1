#pragma once

#include <functional>
#include <string>

namespace lumo {

// A cheap look at whether a station answers again: a connection and the start of a request
// (with the program's User-Agent), given up at the first byte of its stream. True for an
// http(s) address that answers with a success status within the time; false for anything
// else, other schemes included (they cannot be looked at this way). Window events run while
// it waits.
bool stationAnswers(const std::string& address, long timeoutMilliseconds);

// Whether stationAnswers can look at the address at all: http(s) with its scheme.
bool canLookAt(const std::string& address);

} // namespace lumo
