#include "net/StreamAnswer.h"
#include "platform/Trim.h"

#include "net/AsciiText.h"
#include "net/IcyDemux.h"
#include "net/StationText.h"
#include "platform/UrlOpener.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace lumo {

namespace {

// The whole of `text` as a number, or nothing.
std::optional<std::size_t> number(std::string_view text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The number that `text` starts with ("128, 128" names 128), or 0.
std::size_t leadingNumber(std::string_view text) {
    std::size_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A bit rate in kbit/s that a station may really have, in bytes a second; else 0.
std::size_t plausibleRate(std::size_t kbps) {
    return kbps >= 8 && kbps <= 2000 ? kbps * 1000 / 8 : 0;
}

} // namespace

bool StreamAnswer::addLine(std::string_view line) {
    m_bytes += line.size();
    if (m_bytes > kMostBytes) {
        m_tooLong = true;
    }
    if (m_tooLong) {
        return false;
    }
    line = trimmed(line);
    if (line.starts_with("HTTP/") || line.starts_with("ICY ")) {
        startAnswer(line);
        return true;
    }
    const auto colon = line.find(':');
    if (colon != std::string_view::npos) {
        addField(asciiLowered(trimmed(line.substr(0, colon))), trimmed(line.substr(colon + 1)));
    }
    return true;
}

void StreamAnswer::startAnswer(std::string_view statusLine) {
    const std::size_t bytes = std::exchange(m_bytes, 0);
    *this = StreamAnswer{};
    m_bytes = bytes;
    const auto space = statusLine.find(' ');
    if (space != std::string_view::npos) {
        m_status = static_cast<long>(leadingNumber(statusLine.substr(space + 1)));
    }
}

void StreamAnswer::addField(std::string_view name, std::string_view value) {
    if (name == "content-type") {
        m_extension = extensionFor(value).value_or("");
    } else if (name == "content-length") {
        m_hasLength = m_hasLength || number(value).has_value();
    } else if (name == "icy-metaint") {
        const auto named = number(value);
        m_interval = named && *named <= IcyDemux::kLongestInterval ? named : std::nullopt;
    } else if (name == "icy-name") {
        m_name = cleanStationText(utf8OrLatin1(value));
    } else if (name == "icy-logo") {
        const std::string address(value);
        const std::string scheme = asciiLowered(address.substr(0, 8));
        const bool web = scheme.starts_with("http://") || scheme.starts_with("https://");
        m_logo = web && address.size() <= 1000 && isNetworkAddress(address) ? address : "";
    } else if (name == "icy-br") {
        m_bytesPerSecond = plausibleRate(leadingNumber(value));
    } else if (name == "ice-audio-info" && m_bytesPerSecond == 0) {
        // "ice-samplerate=44100;ice-bitrate=128;ice-channels=2", or "bitrate=128"
        const std::string fields = asciiLowered(value);
        for (std::string_view key : {"ice-bitrate=", "bitrate="}) {
            if (const auto at = fields.find(key); at != std::string::npos) {
                m_bytesPerSecond =
                    plausibleRate(leadingNumber(std::string_view(fields).substr(at + key.size())));
                break;
            }
        }
    }
}

StreamAnswer::Verdict StreamAnswer::verdict() const {
    if (m_tooLong) {
        return Verdict::Refuse;
    }
    if (m_status != 200 || m_hasLength || m_extension.empty()) {
        return Verdict::LetGo;
    }
    // An interval that cannot be read would leave metadata in the audio.
    return m_interval ? Verdict::Read : Verdict::Refuse;
}

std::optional<std::string> StreamAnswer::extensionFor(std::string_view contentType) {
    std::string type = asciiLowered(contentType.substr(0, contentType.find(';')));
    std::erase(type, ' ');
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kTypes{{
        {"audio/mpeg", "mp3"},
        {"audio/mp3", "mp3"},
        {"audio/aac", "aac"},
        {"audio/aacp", "aac"},
        {"audio/x-aac", "aac"},
        {"audio/ogg", "ogg"},
        {"application/ogg", "ogg"},
        {"audio/opus", "opus"},
        {"audio/flac", "flac"},
        {"audio/x-flac", "flac"},
        {"audio/wav", "wav"},
        {"audio/x-wav", "wav"},
        {"audio/wave", "wav"},
        {"audio/vnd.wave", "wav"},
    }};
    for (const auto& [name, extension] : kTypes) {
        if (type == name) {
            return std::string(extension);
        }
    }
    return std::nullopt;
}

} // namespace lumo
