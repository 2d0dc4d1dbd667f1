#pragma once

#include "platform/Pending.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

class NetEngine;

// True when a document starts (after blanks, a byte-order mark or an XML declaration) with an
// <asx> element. Windows Media playlists are often served without an .asx extension and with
// a plain text content type, and then the media framework does not recognise them.
bool looksLikeAsx(std::string_view document);

// The addresses of an ASX playlist's <ref href> and <entryref href> elements, in order.
std::vector<std::string> asxReferences(std::string_view document);

// Fetches the first bytes of an http(s) resource, bounded by size and time; `done` comes later
// with them, or with nothing on failure. Dropping the handle cancels the fetch.
[[nodiscard]] PendingPtr fetchHead(NetEngine& engine, const std::string& address,
                                   std::size_t maxBytes, long timeoutMilliseconds,
                                   std::function<void(std::optional<std::string>)> done);

} // namespace lumo
