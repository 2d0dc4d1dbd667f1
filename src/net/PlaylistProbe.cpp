#include "net/PlaylistProbe.h"

#include "net/AsciiText.h"
#include "net/HttpRead.h"
#include "net/HttpTransfer.h"

#include <algorithm>
#include <cctype>

namespace lumo {

namespace {

// One pass, left to right: what an entity decodes to is never decoded again ("&amp;lt;" is
// "&lt;").
std::string decodeEntities(std::string_view text) {
    static constexpr std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto entity = std::ranges::find_if(
            entities, [&](const auto& e) { return text.substr(at).starts_with(e.first); });
        if (text[at] == '&' && entity != std::end(entities)) {
            out += entity->second;
            at += entity->first.size();
        } else {
            out += text[at++];
        }
    }
    return out;
}

// The value of attribute `name` inside one tag's text (between '<' and '>').
std::optional<std::string> attribute(std::string_view tag, std::string_view name) {
    const std::string lower = asciiLowered(tag);
    for (auto at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
        const bool startsWord = at > 0 && std::isspace(static_cast<unsigned char>(lower[at - 1]));
        auto pos = at + name.size();
        while (pos < lower.size() && std::isspace(static_cast<unsigned char>(lower[pos]))) {
            ++pos;
        }
        if (!startsWord || pos >= lower.size() || lower[pos] != '=') {
            continue;
        }
        ++pos;
        while (pos < lower.size() && std::isspace(static_cast<unsigned char>(lower[pos]))) {
            ++pos;
        }
        if (pos >= lower.size()) {
            return std::nullopt;
        }
        const char quote = tag[pos];
        if (quote == '"' || quote == '\'') {
            const auto end = tag.find(quote, pos + 1);
            if (end == std::string_view::npos) {
                return std::nullopt;
            }
            return decodeEntities(std::string(tag.substr(pos + 1, end - pos - 1)));
        }
        const auto end = tag.find_first_of(" \t\r\n/>", pos);
        return decodeEntities(std::string(tag.substr(pos, end - pos)));
    }
    return std::nullopt;
}

} // namespace

bool looksLikeAsx(std::string_view document) {
    std::string_view rest = document;
    if (rest.starts_with("\xEF\xBB\xBF")) {
        rest.remove_prefix(3);
    }
    for (;;) {
        while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front()))) {
            rest.remove_prefix(1);
        }
        if (rest.starts_with("<?") || rest.starts_with("<!--")) {
            const auto end = rest.find('>');
            if (end == std::string_view::npos) {
                return false;
            }
            rest.remove_prefix(end + 1);
            continue;
        }
        break;
    }
    if (rest.size() < 5 || rest.front() != '<') {
        return false;
    }
    const std::string head = asciiLowered(rest.substr(1, 4));
    return head.starts_with("asx") &&
           (head[3] == '>' || std::isspace(static_cast<unsigned char>(head[3])));
}

std::vector<std::string> asxReferences(std::string_view document) {
    std::vector<std::string> refs;
    const std::string lower = asciiLowered(document);
    for (auto open = lower.find('<'); open != std::string::npos; open = lower.find('<', open + 1)) {
        const auto close = lower.find('>', open);
        if (close == std::string::npos) {
            break;
        }
        const std::string_view tagLower(lower.data() + open + 1, close - open - 1);
        if (tagLower.starts_with("ref") || tagLower.starts_with("entryref")) {
            const std::size_t nameLength = tagLower.starts_with("ref") ? 3 : 8;
            if (tagLower.size() > nameLength &&
                std::isspace(static_cast<unsigned char>(tagLower[nameLength]))) {
                if (auto href = attribute(document.substr(open + 1, close - open - 1), "href")) {
                    if (!href->empty()) {
                        refs.push_back(std::move(*href));
                    }
                }
            }
        }
        open = close;
    }
    return refs;
}

PendingPtr fetchHead(NetEngine& engine, const std::string& address, std::size_t maxBytes,
                     long timeoutMilliseconds,
                     std::function<void(std::optional<std::string>)> done) {
    HttpReadOptions options;
    options.connectMilliseconds = timeoutMilliseconds;
    options.totalMilliseconds = timeoutMilliseconds;
    options.maxBytes = maxBytes;
    options.atCap = HttpReadOptions::AtCap::Stop;
    const auto target = httpAddressFor(address);
    if (!target || address.find("://") == std::string::npos) {
        return later([done = std::move(done)] { done(std::nullopt); });
    }
    return httpRead(engine, *target, options, [done = std::move(done)](HttpReadResult result) {
        // What arrived before a failure is still worth a look: a playlist is short.
        if (result.code != CURLE_OK && result.body.empty()) {
            done(std::nullopt);
        } else {
            done(std::move(result.body));
        }
    });
}

} // namespace lumo
