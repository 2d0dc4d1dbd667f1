#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// Follows the frames of an MP3 or AAC (ADTS) stream as its bytes pass, so that a recording can
// be cut where a frame begins. A header counts once the next frame is where it says; when
// the next is not there, the hunt goes on from just after the header, for one like the last
// (same version, layer or profile, and sample rate). At most a frame's bytes are held.
class FrameTracker {
public:
    enum class Format { Mp3, Adts };
    explicit FrameTracker(Format format) : m_format(format) {}

    // Passes the stream's next bytes. Returns the stream position of the first frame found in
    // them that begins at or after `from`, if there is one.
    std::optional<std::int64_t> pass(std::string_view bytes, std::int64_t from);
    // The bytes of the last frame passed so far when it has not been passed whole (0 when the
    // last byte passed ended a frame, or no frame is known).
    std::int64_t unfinished() const {
        return m_run > 1 && m_next > position() ? position() - m_last : 0;
    }
    // Bytes passed so far.
    std::int64_t position() const { return m_heldStart + static_cast<std::int64_t>(m_held.size()); }

    // The length of the frame whose header `header` begins (4 bytes for MP3, 7 for ADTS), and
    // what the next frame's header must share with it; nothing when it is not a header.
    struct Header {
        std::size_t length = 0;
        std::uint32_t signature = 0;
    };
    static std::optional<Header> mp3Header(std::string_view header);
    static std::optional<Header> adtsHeader(std::string_view header);

private:
    std::size_t headerBytes() const { return m_format == Format::Mp3 ? 4 : 7; }
    std::optional<Header> header(std::string_view h) const;

    Format m_format;
    std::string m_held; // the bytes from m_heldStart on, not yet passed over
    std::int64_t m_heldStart = 0;
    std::int64_t m_scan = 0; // where the hunt for a header goes on
    int m_run = 0;           // headers found one after another
    std::int64_t m_last = 0; // the last header found
    std::int64_t m_next = 0; // where the next header is due
    std::optional<std::uint32_t> m_signature;
    int m_hunted = 0;
};

} // namespace lumo
