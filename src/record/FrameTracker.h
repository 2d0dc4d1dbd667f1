#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo {

// Follows the frames of an MP3 or AAC (ADTS) stream as its bytes pass, so that a recording can
// be cut where a frame begins. Once it has found a frame it expects the next where the frame
// ends; when that is not one, it hunts for a header like the last (same version, layer or
// profile, and sample rate).
class FrameTracker {
public:
    enum class Format { Mp3, Adts };
    explicit FrameTracker(Format format) : m_format(format) {}

    // Passes the stream's next bytes. Returns the stream position of the first frame found in
    // them that begins at or after `from`, if there is one.
    std::optional<std::int64_t> pass(std::string_view bytes, std::int64_t from);
    // Bytes passed so far.
    std::int64_t position() const { return m_position; }

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
    std::optional<Header> header() const;

    Format m_format;
    std::int64_t m_position = 0;
    std::int64_t m_skip = 0; // bytes left of the frame under way
    std::array<char, 7> m_header{};
    std::size_t m_have = 0; // bytes of a possible header gathered
    std::optional<std::uint32_t> m_signature;
    int m_hunted = 0;
    int m_run = 0; // frames found one after another
};

} // namespace lumo
