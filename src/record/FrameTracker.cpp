#include "record/FrameTracker.h"

#include <algorithm>
#include <string>

namespace lumo {

namespace {

std::uint8_t at(std::string_view bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes[i]);
}

// Kilobits per second by bitrate index 1 to 14.
// Headers tried without finding one like the last before any header will do.
constexpr int kLongestHunt = 64 * 1024;

constexpr int kV1L1[] = {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448};
constexpr int kV1L2[] = {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
constexpr int kV1L3[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr int kV2L1[] = {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256};
constexpr int kV2L23[] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

} // namespace

std::optional<FrameTracker::Header> FrameTracker::mp3Header(std::string_view h) {
    if (h.size() < 4 || at(h, 0) != 0xff || (at(h, 1) & 0xe0) != 0xe0) {
        return std::nullopt;
    }
    const int version = (at(h, 1) >> 3) & 3; // 0: 2.5, 2: 2, 3: 1
    const int layer = (at(h, 1) >> 1) & 3;   // 1: III, 2: II, 3: I
    const int bitrateIndex = at(h, 2) >> 4;
    const int rateIndex = (at(h, 2) >> 2) & 3;
    if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
        return std::nullopt;
    }
    static constexpr int kRates[] = {44100, 48000, 32000};
    const int rate = kRates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    const int padding = (at(h, 2) >> 1) & 1;
    const bool v1 = version == 3;
    const int* table = v1 ? (layer == 3   ? kV1L1
                             : layer == 2 ? kV1L2
                                          : kV1L3)
                          : (layer == 3 ? kV2L1 : kV2L23);
    const long bitrate = table[bitrateIndex - 1] * 1000L;
    long length = 0;
    if (layer == 3) {
        length = (12 * bitrate / rate + padding) * 4;
    } else if (layer == 1 && !v1) {
        length = 72 * bitrate / rate + padding;
    } else {
        length = 144 * bitrate / rate + padding;
    }
    if (length < 4) {
        return std::nullopt;
    }
    return Header{static_cast<std::size_t>(length),
                  (std::uint32_t{at(h, 1)} & 0xfe) << 8 | static_cast<std::uint32_t>(rateIndex)};
}

std::optional<FrameTracker::Header> FrameTracker::adtsHeader(std::string_view h) {
    if (h.size() < 7 || at(h, 0) != 0xff || (at(h, 1) & 0xf6) != 0xf0) {
        return std::nullopt;
    }
    const int rateIndex = (at(h, 2) >> 2) & 0x0f;
    if (rateIndex >= 13) {
        return std::nullopt;
    }
    const std::size_t length =
        (std::size_t{at(h, 3)} & 3) << 11 | std::size_t{at(h, 4)} << 3 | std::size_t{at(h, 5)} >> 5;
    const std::size_t headerLength = (at(h, 1) & 1) != 0 ? 7 : 9;
    if (length < headerLength) {
        return std::nullopt;
    }
    return Header{length, static_cast<std::uint32_t>(at(h, 1) & 0xf8) << 8 |
                              (std::uint32_t{at(h, 2)} & 0xfc)};
}

std::optional<FrameTracker::Header> FrameTracker::header(std::string_view h) const {
    auto found = m_format == Format::Mp3 ? mp3Header(h) : adtsHeader(h);
    if (found && m_signature && found->signature != *m_signature) {
        return std::nullopt;
    }
    return found;
}

std::optional<std::int64_t> FrameTracker::pass(std::string_view bytes, std::int64_t from) {
    m_held.append(bytes);
    const std::int64_t end = m_heldStart + static_cast<std::int64_t>(m_held.size());
    const auto needed = static_cast<std::int64_t>(headerBytes());
    const auto headerAt = [&](std::int64_t at) {
        return header(std::string_view(m_held).substr(static_cast<std::size_t>(at - m_heldStart),
                                                      static_cast<std::size_t>(needed)));
    };
    std::optional<std::int64_t> first;
    while (true) {
        if (m_run > 0) {
            if (m_next + needed > end) {
                break;
            }
            if (const auto found = headerAt(m_next)) {
                // The frame before is where it said: both are frames.
                if (!first && m_run == 1 && m_last >= from) {
                    first = m_last;
                } else if (!first && m_next >= from) {
                    first = m_next;
                }
                ++m_run;
                m_last = m_next;
                m_next += static_cast<std::int64_t>(found->length);
                continue;
            }
            // Lost: what a hunt found was audio that looked like a header, or the station
            // skipped. Hunt on from just after the last header.
            if (m_run == 1) {
                m_signature.reset();
            }
            m_scan = m_last + 1;
            m_run = 0;
        }
        const std::size_t offset = static_cast<std::size_t>(m_scan - m_heldStart);
        const std::size_t sync = m_held.find('\xff', offset);
        if (sync == std::string::npos) {
            m_scan = end;
            break;
        }
        m_scan = m_heldStart + static_cast<std::int64_t>(sync);
        if (m_scan + needed > end) {
            break;
        }
        if (const auto found = headerAt(m_scan)) {
            m_run = 1;
            m_last = m_scan;
            m_next = m_scan + static_cast<std::int64_t>(found->length);
            m_signature = found->signature;
            continue;
        }
        ++m_scan;
        if (++m_hunted > kLongestHunt) {
            m_signature.reset(); // the station changed its format: take any header
            m_hunted = 0;
        }
    }
    // Kept: from the last header while it is not yet sure, else from where the search goes on.
    const std::int64_t keep = std::min(m_run == 1 ? m_last + 1 : m_run > 1 ? m_next : m_scan, end);
    m_held.erase(0, static_cast<std::size_t>(keep - m_heldStart));
    m_heldStart = keep;
    return first;
}

} // namespace lumo
