#include "net/OggPages.h"

#include "net/StationText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace lumo {

namespace {

constexpr std::size_t kHeaderBytes = 27;
constexpr std::size_t kChecksumAt = 22;
// Speex names at most this many extra header packets that we wait for.
constexpr std::uint32_t kMostSpeexExtras = 16;

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t r = i << 24;
        for (int bit = 0; bit < 8; ++bit) {
            r = (r & 0x80000000U) != 0 ? (r << 1) ^ 0x04c11db7U : r << 1;
        }
        table[i] = r;
    }
    return table;
}();

std::uint64_t littleEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<std::uint8_t>(bytes[at + i])) << (8 * i);
    }
    return value;
}

void putLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

std::uint8_t byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

bool startsWith(std::string_view bytes, std::string_view magic) {
    return bytes.substr(0, magic.size()) == magic;
}

// The field of a comment "KEY=value" when its key is `key` (any case).
std::optional<std::string_view> field(std::string_view comment, std::string_view key) {
    if (comment.size() <= key.size() || comment[key.size()] != '=') {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(comment[i])) != key[i]) {
            return std::nullopt;
        }
    }
    return comment.substr(key.size() + 1);
}

} // namespace

std::int64_t OggPage::granule() const {
    return static_cast<std::int64_t>(littleEndian(bytes, 6, 8));
}

std::uint32_t OggPage::serial() const {
    return static_cast<std::uint32_t>(littleEndian(bytes, 14, 4));
}

std::uint32_t OggPage::sequence() const {
    return static_cast<std::uint32_t>(littleEndian(bytes, 18, 4));
}

std::string_view OggPage::lacing() const {
    return std::string_view(bytes).substr(kHeaderBytes, byteAt(bytes, kHeaderBytes - 1));
}

std::string_view OggPage::body() const {
    return std::string_view(bytes).substr(kHeaderBytes + lacing().size());
}

std::uint32_t oggChecksum(std::string_view bytes) {
    std::uint32_t crc = 0;
    for (const char c : bytes) {
        crc = (crc << 8) ^ kCrcTable[((crc >> 24) & 0xff) ^ static_cast<std::uint8_t>(c)];
    }
    return crc;
}

void renumberOggPage(std::string& page, std::uint32_t sequence) {
    putLittleEndian32(page, 18, sequence);
    putLittleEndian32(page, kChecksumAt, 0);
    putLittleEndian32(page, kChecksumAt, oggChecksum(page));
}

void OggPageReader::feed(std::string_view bytes, const Take& take) {
    m_held.append(bytes);
    std::size_t at = 0;
    while (true) {
        const std::size_t sync = m_held.find("OggS", at);
        if (sync == std::string::npos) {
            // Keep what could be the start of a capture pattern cut by the network.
            at = std::max(at, m_held.size() < 3 ? std::size_t{0} : m_held.size() - 3);
            break;
        }
        at = sync;
        const std::string_view held(m_held);
        if (held.size() - at < kHeaderBytes) {
            break;
        }
        if (byteAt(held, at + 4) != 0) {
            ++at; // not a version this reader knows: not a page
            continue;
        }
        const std::size_t segments = byteAt(held, at + kHeaderBytes - 1);
        if (held.size() - at < kHeaderBytes + segments) {
            break;
        }
        std::size_t total = kHeaderBytes + segments;
        for (std::size_t i = 0; i < segments; ++i) {
            total += byteAt(held, at + kHeaderBytes + i);
        }
        if (held.size() - at < total) {
            break;
        }
        OggPage page{m_held.substr(at, total), m_heldStart + static_cast<std::int64_t>(at)};
        const auto stored = static_cast<std::uint32_t>(littleEndian(page.bytes, kChecksumAt, 4));
        putLittleEndian32(page.bytes, kChecksumAt, 0);
        if (oggChecksum(page.bytes) != stored) {
            ++at; // the pattern came by chance inside other bytes
            continue;
        }
        putLittleEndian32(page.bytes, kChecksumAt, stored);
        at += total;
        take(std::move(page));
    }
    m_held.erase(0, at);
    m_heldStart += static_cast<std::int64_t>(at);
}

bool OggHead::take(const OggPage& page) {
    if (page.beginsStream() && (m_complete || m_broken || m_pages.empty())) {
        *this = OggHead();
        m_serial = page.serial();
    } else if (m_complete || m_broken || m_pages.empty()) {
        return false;
    }
    if (m_packetsWanted == 0 && m_packets > 0 && page.serial() == m_serial && page.granule() > 0) {
        m_complete = true; // the first page that places audio: the head ended before it
        return false;
    }
    m_bytes += page.bytes.size();
    if (m_bytes > kLongestHead) {
        m_broken = true;
        m_pages.clear();
        m_partial.clear();
        return false;
    }
    m_pages.push_back(page);
    if (page.serial() != m_serial) {
        return true; // another stream of the same chain: kept with the head as it is
    }
    if (!page.continued()) {
        m_partial.clear();
    }
    const std::string_view lacing = page.lacing();
    std::string_view body = page.body();
    for (const char value : lacing) {
        const std::size_t n = std::min<std::size_t>(static_cast<std::uint8_t>(value), body.size());
        m_partial.append(body.substr(0, n));
        body.remove_prefix(n);
        if (static_cast<std::uint8_t>(value) < 255) {
            packet(std::exchange(m_partial, {}));
        }
    }
    if (m_packetsWanted > 0 && m_packets >= m_packetsWanted) {
        m_complete = true;
    }
    return true;
}

void OggHead::packet(std::string packet) {
    const std::size_t index = m_packets++;
    if (index == 0) {
        if (packet.size() >= 7 && packet[0] == '\x01' && startsWith(packet.substr(1), "vorbis")) {
            m_codec = Codec::Vorbis;
            m_packetsWanted = 3;
        } else if (startsWith(packet, "OpusHead")) {
            m_codec = Codec::Opus;
            m_packetsWanted = 2;
        } else if (packet.size() >= 9 && startsWith(packet, "\x7f"
                                                            "FLAC")) {
            m_codec = Codec::Flac;
            const std::size_t blocks = (std::size_t{byteAt(packet, 7)} << 8) | byteAt(packet, 8);
            m_packetsWanted = blocks == 0 ? 0 : 1 + blocks;
        } else if (packet.size() >= 72 && startsWith(packet, "Speex   ")) {
            m_codec = Codec::Speex;
            const auto extras = static_cast<std::uint32_t>(littleEndian(packet, 68, 4));
            m_packetsWanted = 2 + std::min(extras, kMostSpeexExtras);
        }
        return;
    }
    const std::string_view p(packet);
    switch (m_codec) {
    case Codec::Vorbis:
        if (startsWith(p, "\x03vorbis")) {
            comments(p.substr(7));
        }
        break;
    case Codec::Opus:
        if (startsWith(p, "OpusTags")) {
            comments(p.substr(8));
        }
        break;
    case Codec::Flac:
        if (!p.empty() && (byteAt(p, 0) & 0x7f) == 4) {
            comments(p.substr(std::min<std::size_t>(4, p.size())));
        }
        break;
    case Codec::Speex:
        if (index == 1) {
            comments(p);
        }
        break;
    case Codec::Unknown:
        break;
    }
}

// A Vorbis comment block: the vendor, then the count of comments, each "KEY=value", every
// length four bytes little-endian. A block cut short gives what it holds.
void OggHead::comments(std::string_view block) {
    const auto length = [&block]() -> std::optional<std::size_t> {
        if (block.size() < 4) {
            return std::nullopt;
        }
        const auto n = static_cast<std::size_t>(littleEndian(block, 0, 4));
        block.remove_prefix(4);
        return n <= block.size() ? std::optional(n) : std::nullopt;
    };
    const auto vendor = length();
    if (!vendor) {
        return;
    }
    block.remove_prefix(*vendor);
    if (block.size() < 4) {
        return;
    }
    auto count = littleEndian(block, 0, 4);
    block.remove_prefix(4);
    std::string_view artist;
    std::string_view title;
    for (; count > 0; --count) {
        const auto n = length();
        if (!n) {
            break;
        }
        const std::string_view comment = block.substr(0, *n);
        block.remove_prefix(*n);
        if (const auto value = field(comment, "TITLE"); value && title.empty()) {
            title = *value;
        } else if (const auto who = field(comment, "ARTIST"); who && artist.empty()) {
            artist = *who;
        }
    }
    const std::string cleanTitle = cleanStationText(title);
    const std::string cleanArtist = cleanStationText(artist);
    m_title =
        cleanTitle.empty() || cleanArtist.empty() ? cleanTitle : cleanArtist + " - " + cleanTitle;
}

void OggHeadKeeper::feed(std::string_view bytes) {
    m_reader.feed(bytes, [this](OggPage&& page) { m_head.take(page); });
}

} // namespace lumo
