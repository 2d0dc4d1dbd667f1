#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// One Ogg page as it came: its header, segment table and body, and where it began in the
// stream (bytes from the stream's first).
struct OggPage {
    std::string bytes;
    std::int64_t start = 0;

    bool continued() const { return (flags() & 0x01) != 0; }
    bool beginsStream() const { return (flags() & 0x02) != 0; }
    std::int64_t granule() const;
    std::uint32_t serial() const;
    std::uint32_t sequence() const;
    // The lacing values, one per segment of the body.
    std::string_view lacing() const;
    std::string_view body() const;

private:
    std::uint8_t flags() const { return static_cast<std::uint8_t>(bytes[5]); }
};

// The checksum Ogg pages carry (CRC-32, polynomial 0x04c11db7, unreflected), over `bytes`.
std::uint32_t oggChecksum(std::string_view bytes);
// Gives a whole page a new sequence number, and the checksum that goes with it.
void renumberOggPage(std::string& page, std::uint32_t sequence);

// Finds the pages in a stream however its bytes are cut: a page counts only when its checksum
// holds; bytes that are not part of one are passed over. At most one page (64 KiB) is held.
class OggPageReader {
public:
    using Take = std::function<void(OggPage&&)>;
    void feed(std::string_view bytes, const Take& take);

private:
    std::string m_held;
    std::int64_t m_heldStart = 0; // the stream position of m_held's first byte
};

// The header pages of an Ogg stream's current chain (the pages a decoder needs before any
// audio: Vorbis' three header packets, Opus' two, FLAC's mapping packet and metadata blocks,
// Speex's two and its extras), and the title its comments name. A chain whose codec is not
// known ends its header at the first page that gives a granule position. Heads larger than
// kLongestHead are given up (not usable).
class OggHead {
public:
    enum class Codec { Unknown, Vorbis, Opus, Flac, Speex };
    static constexpr std::size_t kLongestHead = 1024 * 1024;

    // Takes the stream's next page: true when it belongs to the head (a chain's first page
    // begins a new head).
    bool take(const OggPage& page);
    // Whether the head is whole: every header page of the chain has been taken.
    bool complete() const { return m_complete; }
    bool usable() const { return !m_broken; }
    const std::vector<OggPage>& pages() const { return m_pages; }
    std::uint32_t serial() const { return m_serial; }
    Codec codec() const { return m_codec; }
    // "Artist - Title" (or the title alone) from the chain's comments, cleaned; empty when
    // they name none.
    const std::string& title() const { return m_title; }

private:
    void packet(std::string packet);
    void comments(std::string_view block);

    std::vector<OggPage> m_pages;
    std::size_t m_bytes = 0;
    std::uint32_t m_serial = 0;
    Codec m_codec = Codec::Unknown;
    std::size_t m_packetsWanted = 0; // 0: not known (ends at the first granule position)
    std::size_t m_packets = 0;
    std::string m_partial; // the header packet being gathered
    std::string m_title;
    bool m_complete = false;
    bool m_broken = false;
};

// Follows a stream's pages to keep the head of its current chain, from the stream's start.
class OggHeadKeeper {
public:
    void feed(std::string_view bytes);
    const OggHead& head() const { return m_head; }

private:
    OggPageReader m_reader;
    OggHead m_head;
};

} // namespace lumo
