#pragma once

#include <curl/curl.h>
#include <functional>

namespace lumo {

// How every transfer of the program waits on the network (FTP and HTTP alike): libcurl's multi
// handle is driven on the user-interface thread, pending window events run between two looks
// at the network, and the caller may call the wait off.
//
// Drives `multi` until its transfer ends (true, with `result` set), `satisfied` holds (false),
// or `cancelled` holds (true, with CURLE_ABORTED_BY_CALLBACK). Either function may be empty.
bool driveMulti(CURLM* multi, const std::function<bool()>& satisfied,
                const std::function<bool()>& cancelled, CURLcode& result);

} // namespace lumo
