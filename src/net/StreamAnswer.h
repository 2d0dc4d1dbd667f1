#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumo {

// What a station's answer says of its stream, read from its header lines as they come (each
// status line, after a redirect too, starts a new answer). Everything in it is the station's
// word, so it is bounded: headers longer than kMostBytes in all are refused.
class StreamAnswer {
public:
    static constexpr std::size_t kMostBytes = 64 * 1024;

    enum class Verdict {
        Read,   // a live audio stream: read by the program itself
        LetGo,  // something else (a playlist, a clip, video, an error): libVLC opens it
        Refuse, // a live stream that cannot be read safely: it fails
    };

    // One header line as it came, its line end included. False once the headers are too long.
    bool addLine(std::string_view line);

    // Looked at once the headers have ended.
    Verdict verdict() const;

    long status() const { return m_status; }
    // The metadata interval ("icy-metaint"); 0 for a stream without titles. One longer than
    // IcyDemux::kLongestInterval, or one that is no number, is refused.
    std::size_t interval() const { return m_interval.value_or(0); }
    // The file name extension of the stream's type ("mp3", "ogg"...), or empty.
    const std::string& extension() const { return m_extension; }
    // The station's own name ("icy-name"), cleaned; empty when it gives none.
    const std::string& name() const { return m_name; }
    // The logo the station names (icy-logo): an http or https address, or empty.
    const std::string& logo() const { return m_logo; }
    // The bit rate it names ("icy-br", "ice-audio-info"), in bytes a second; 0 when unknown.
    std::size_t bytesPerSecond() const { return m_bytesPerSecond; }

    // The extension for a content type, or nothing for a type that is not read this way.
    static std::optional<std::string> extensionFor(std::string_view contentType);

private:
    void startAnswer(std::string_view statusLine);
    void addField(std::string_view name, std::string_view value);

    std::size_t m_bytes = 0;
    bool m_tooLong = false;
    long m_status = 0;
    bool m_hasLength = false;
    bool m_hasType = false;
    std::string m_extension;
    // Named and readable; nothing when it named one that cannot be used.
    std::optional<std::size_t> m_interval = 0;
    std::string m_name;
    std::string m_logo;
    std::size_t m_bytesPerSecond = 0;
};

} // namespace lumo
