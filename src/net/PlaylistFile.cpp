#include "net/PlaylistFile.h"
#include "platform/Trim.h"

#include "net/AsciiText.h"
#include "net/IcyDemux.h"
#include "net/PlaylistProbe.h"
#include "net/StationText.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace lumo {

namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.push_back(trimmed(text.substr(0, end), " \t\r\n"));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string titleOf(std::string_view text) {
    return cleanStationText(utf8OrLatin1(text));
}

// [playlist] File1=..., Title1=...: entries in the order of their numbers.
std::vector<PlaylistEntry> plsEntries(std::string_view text) {
    std::map<long, PlaylistEntry> numbered;
    for (std::string_view line : linesOf(text)) {
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string key = asciiLowered(trimmed(line.substr(0, equals), " \t\r\n"));
        const std::string_view value = trimmed(line.substr(equals + 1), " \t\r\n");
        const bool file = key.starts_with("file");
        if (!file && !key.starts_with("title")) {
            continue;
        }
        const std::string_view digits = std::string_view(key).substr(file ? 4 : 5);
        long n = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (error != std::errc{} || end != digits.data() + digits.size()) {
            continue;
        }
        if (!numbered.contains(n) && numbered.size() >= kMostPlaylistEntries) {
            continue;
        }
        PlaylistEntry& entry = numbered[n];
        (file ? entry.address : entry.title) = file ? std::string(value) : titleOf(value);
    }
    std::vector<PlaylistEntry> entries;
    for (auto& [n, entry] : numbered) {
        if (!entry.address.empty()) {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

// #EXTM3U, #EXTINF:-1,Title, then the address.
std::vector<PlaylistEntry> m3uEntries(std::string_view text) {
    std::vector<PlaylistEntry> entries;
    std::string title;
    for (std::string_view line : linesOf(text)) {
        if (line.starts_with("#EXTINF:")) {
            const auto comma = line.find(',');
            title = comma == std::string_view::npos ? "" : titleOf(line.substr(comma + 1));
        } else if (!line.empty() && !line.starts_with('#')) {
            entries.push_back({std::string(line), std::exchange(title, {})});
        }
        if (entries.size() >= kMostPlaylistEntries) {
            break;
        }
    }
    return entries;
}

// The text of the first <name>...</name> in `text`, from `from` on.
std::string_view element(std::string_view text, std::string_view name) {
    const std::string lower = asciiLowered(text);
    const std::string open = "<" + std::string(name) + ">";
    const auto start = lower.find(open);
    if (start == std::string::npos) {
        return {};
    }
    const auto end = lower.find("</" + std::string(name) + ">", start);
    if (end == std::string::npos) {
        return {};
    }
    return text.substr(start + open.size(), end - start - open.size());
}

// <track><location>...</location><title>...</title></track>
std::vector<PlaylistEntry> xspfEntries(std::string_view text) {
    std::vector<PlaylistEntry> entries;
    const std::string lower = asciiLowered(text);
    for (std::size_t at = lower.find("<track>"); at != std::string::npos;
         at = lower.find("<track>", at + 1)) {
        const auto end = lower.find("</track>", at);
        const std::string_view track =
            text.substr(at, end == std::string::npos ? std::string_view::npos : end - at);
        const std::string_view location = trimmed(element(track, "location"), " \t\r\n");
        if (!location.empty()) {
            entries.push_back({std::string(location), titleOf(element(track, "title"))});
        }
        if (entries.size() >= kMostPlaylistEntries || end == std::string::npos) {
            break;
        }
    }
    return entries;
}

} // namespace

namespace {

std::vector<PlaylistEntry> entriesOf(std::string_view text);

// An address of more than one line, or with any other control character, leads nowhere.
std::vector<PlaylistEntry> onlyPlainAddresses(std::vector<PlaylistEntry> entries) {
    std::erase_if(entries, [](const PlaylistEntry& entry) {
        return std::ranges::any_of(entry.address,
                                   [](unsigned char c) { return c < 0x20 || c == 0x7f; });
    });
    return entries;
}

} // namespace

std::vector<PlaylistEntry> playlistEntries(std::string_view text) {
    return onlyPlainAddresses(entriesOf(text));
}

namespace {

std::vector<PlaylistEntry> entriesOf(std::string_view text) {
    text = text.substr(0, kMostPlaylistBytes);
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::string head = asciiLowered(trimmed(text.substr(0, 4096), " \t\r\n"));
    if (head.starts_with("[playlist]")) {
        return plsEntries(text);
    }
    if (looksLikeAsx(text)) {
        std::vector<PlaylistEntry> entries;
        for (std::string& address : asxReferences(text)) {
            if (entries.size() >= kMostPlaylistEntries) {
                break;
            }
            entries.push_back({std::string(trimmed(address, " \t\r\n")), {}});
        }
        return entries;
    }
    if (head.find("<playlist") != std::string::npos && head.find("xspf") != std::string::npos) {
        return xspfEntries(text);
    }
    return m3uEntries(text);
}

} // namespace

} // namespace lumo
