#include "record/StreamCutter.h"

#include "net/OggPages.h"
#include "record/FrameTracker.h"

#include <limits>
#include <optional>

namespace lumo {

namespace {

// Cut where asked.
class PlainCutter final : public StreamCutter {
public:
    explicit PlainCutter(Output out) : m_out(std::move(out)) {}
    void pass(std::string_view bytes) override { m_out.write(bytes); }
    void cutSoon() override { m_out.nextFile(); }

private:
    Output m_out;
};

// Cut where the next frame begins. The first file begins at a frame too.
class FrameCutter final : public StreamCutter {
public:
    FrameCutter(FrameTracker::Format format, Output out)
        : m_out(std::move(out)), m_tracker(format), m_cutFrom(0) {}

    void pass(std::string_view bytes) override {
        if (!m_cutFrom) {
            m_tracker.pass(bytes, std::numeric_limits<std::int64_t>::max());
            m_out.write(bytes);
            return;
        }
        m_held.append(bytes);
        const auto start = m_tracker.pass(bytes, *m_cutFrom);
        if (!start && m_held.size() < kMostHeld) {
            return;
        }
        // Without a frame in sight, the stream is not what it says: cut where it was asked.
        const std::size_t at = start ? static_cast<std::size_t>(*start - *m_cutFrom) : 0;
        if (m_begun) {
            m_out.write(std::string_view(m_held).substr(0, at));
            m_out.nextFile();
        }
        m_begun = true;
        m_out.write(std::string_view(m_held).substr(at));
        m_held.clear();
        m_cutFrom.reset();
    }

    void cutSoon() override {
        if (!m_cutFrom) {
            m_cutFrom = m_tracker.position();
        }
    }
    std::int64_t unfinishedTail() const override {
        return m_cutFrom ? 0 : m_tracker.unfinished(); // what is held was never written
    }

private:
    static constexpr std::size_t kMostHeld = 256 * 1024;

    Output m_out;
    FrameTracker m_tracker;
    std::optional<std::int64_t> m_cutFrom; // where a cut was asked: bytes since are held
    std::string m_held;
    bool m_begun = false; // the first file has begun
};

// Cut at a page boundary: at the chain's start, or at the first page from where the cut was
// asked that does not continue a packet of the page before (after two such pages, at the
// next page). Each file begins with its chain's header pages; the pages that follow them are
// numbered on from the header pages, their granule positions as the stream gave them.
class OggCutter final : public StreamCutter {
public:
    OggCutter(const OggHead& head, Output out) : m_out(std::move(out)), m_chain(head) {}

    void pass(std::string_view bytes) override {
        m_reader.feed(bytes, [this](OggPage&& page) { take(std::move(page)); });
    }
    void cutSoon() override {
        if (!m_cutAsked) {
            m_cutAsked = true;
            m_waited = 0;
        }
    }

private:
    // A page that continues a packet begins a file only after this many (its decoder drops
    // the part packet).
    static constexpr int kMostPagesWaited = 2;

    void take(OggPage&& page) {
        if (m_chain.take(page)) {
            if (m_chain.complete()) {
                // A chain of its own: its title may begin a file, and it begins with its head.
                if (m_out.chainTitle(m_chain.title())) {
                    m_out.nextFile();
                }
                beginFile();
            }
            return;
        }
        if (!m_chain.usable() || !m_chain.complete()) {
            m_out.write(page.bytes); // a head that cannot be kept: the pages as they come
            return;
        }
        if (!m_begun || m_cutAsked) {
            if (page.continued() && m_waited < kMostPagesWaited) {
                ++m_waited;
                if (m_begun) {
                    writeAudio(std::move(page));
                }
                return;
            }
            if (m_begun) {
                m_out.nextFile();
            }
            beginFile();
        }
        writeAudio(std::move(page));
    }

    void beginFile() {
        m_begun = true;
        m_cutAsked = false;
        m_fileSerial = m_chain.serial();
        m_nextSequence = 0;
        for (const OggPage& page : m_chain.pages()) {
            m_out.write(page.bytes);
            if (page.serial() == m_fileSerial) {
                m_nextSequence = page.sequence() + 1;
            }
        }
    }

    void writeAudio(OggPage&& page) {
        if (page.serial() == m_fileSerial) {
            renumberOggPage(page.bytes, m_nextSequence++);
        }
        m_out.write(page.bytes);
    }

    Output m_out;
    OggPageReader m_reader;
    OggHead m_chain; // the head of the chain under way
    bool m_begun = false;
    bool m_cutAsked = false;
    int m_waited = 0;
    std::uint32_t m_fileSerial = 0;
    std::uint32_t m_nextSequence = 0;
};

} // namespace

std::unique_ptr<StreamCutter> StreamCutter::make(const std::string& extension, const OggHead* head,
                                                 Output out) {
    if (head != nullptr) {
        return std::make_unique<OggCutter>(*head, std::move(out));
    }
    if (extension == "mp3") {
        return std::make_unique<FrameCutter>(FrameTracker::Format::Mp3, std::move(out));
    }
    if (extension == "aac") {
        return std::make_unique<FrameCutter>(FrameTracker::Format::Adts, std::move(out));
    }
    return std::make_unique<PlainCutter>(std::move(out));
}

} // namespace lumo
