#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// Splits the body of a station's ICY stream into its audio and its metadata. A station that
// was asked for metadata ("Icy-MetaData: 1") and names an interval ("icy-metaint") sends that
// many audio bytes, then one length byte (in units of 16) and that much metadata text, again
// and again. Bytes arrive in pieces cut anywhere; audio and titles come out in stream order.
class IcyDemux {
public:
    using Audio = std::function<void(std::string_view audio)>;
    using Title = std::function<void(const std::string& title)>;

    // Longest interval taken (a station naming a longer one is refused, see StreamAnswer).
    static constexpr std::size_t kLongestInterval = 1 << 20;

    // `interval` 0: the body is all audio.
    explicit IcyDemux(std::size_t interval);

    // Each run of audio goes to `audio`; each metadata block that names a title, to `title`.
    void feed(std::string_view bytes, const Audio& audio, const Title& title);

private:
    std::size_t m_interval;
    std::size_t m_audioLeft; // audio bytes before the next length byte
    std::size_t m_metadataLeft = 0;
    std::string m_metadata;
};

// The title a metadata block names (StreamTitle='...';), as clean UTF-8 (see
// cleanStationText): text that is not valid UTF-8 is taken as Latin-1, as older stations send
// it. Nothing when it names none.
std::optional<std::string> icyStreamTitle(std::string_view block);

// Text in UTF-8: kept when it is valid UTF-8, else read as Latin-1.
std::string utf8OrLatin1(std::string_view text);

} // namespace lumo
