#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lumo {

class OggHead;

// Where a recording's files may begin in the stream it keeps, so that each file plays alone:
// an Ogg file begins with the header pages of its chain, then whole pages numbered on from
// them; MP3 and AAC files begin where a frame does; other streams are cut where they are.
class StreamCutter {
public:
    struct Output {
        // Bytes for the file under way.
        std::function<void(std::string_view)> write;
        // The file under way ends here; what follows goes to a new one.
        std::function<void()> nextFile;
        // A new chain of an Ogg stream names this title: true when it is to begin a new file.
        std::function<bool(const std::string&)> chainTitle;
    };
    virtual ~StreamCutter() = default;

    // The stream's next bytes.
    virtual void pass(std::string_view bytes) = 0;
    // A new file is to begin at the first place from here where one can.
    virtual void cutSoon() = 0;
    // The bytes at the end of what was written that are not a whole frame: the recording
    // stops here, and its last file should end where a frame does.
    virtual std::int64_t unfinishedTail() const { return 0; }

    // The cutter for a stream of this extension ("mp3", "aac"...); `head` is the head of the
    // stream's current chain when it is Ogg (null otherwise).
    static std::unique_ptr<StreamCutter> make(const std::string& extension, const OggHead* head,
                                              Output out);
};

} // namespace lumo
