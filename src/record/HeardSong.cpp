#include "record/HeardSong.h"

#include "media/StreamFeed.h"
#include "media/StreamTap.h"

#include <QMetaObject>
#include <memory>

namespace lumo {

namespace {

// Reads [from, to) from what the store keeps; nothing when part of it is no longer kept.
std::optional<std::string> readKept(const TimeshiftStore& store, std::uint64_t from,
                                    std::uint64_t to) {
    std::string bytes(to - from, '\0');
    std::uint64_t at = from;
    while (at < to) {
        const long n =
            store.read(at, reinterpret_cast<unsigned char*>(bytes.data() + (at - from)), to - at);
        if (n <= 0) {
            return std::nullopt;
        }
        at += static_cast<std::uint64_t>(n);
    }
    return bytes;
}

class HeardSongRead final : public Pending {
public:
    HeardSongRead(StreamTap& tap, std::uint64_t heard, const HeardSongDone& done) {
        std::shared_ptr<StreamFeed> feed = tap.feed();
        const TimeshiftStore& store = feed->store();
        const std::uint64_t begin = store.titleStart(heard);
        if (begin == 0 || begin < feed->firstKept() || store.titleAt(heard).empty()) {
            m_work = later([done] { done(std::nullopt); });
            return;
        }
        const std::uint64_t end = feed->liveEnd();
        const double rate = static_cast<double>(std::max<std::size_t>(feed->bytesPerSecond(), 1));
        // What arrives while the disk is read comes on this thread, as the result will.
        auto caught = std::make_shared<std::string>();
        m_caught = QObject::connect(&tap, &StreamTap::audio, [caught](const QByteArray& bytes) {
            caught->append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        });
        m_work = offThread([feed, begin, end, rate, done, caught] {
            const TimeshiftStore& kept = feed->store();
            Recorder::Preroll preroll;
            for (std::uint64_t at = begin; at < end;) {
                std::uint64_t next = end;
                if (kept.nextTitle(at, next)) {
                    next = std::min(next, end);
                }
                auto bytes = readKept(kept, at, next);
                if (!bytes) {
                    return std::function<void()>([done] { done(std::nullopt); });
                }
                preroll.pieces.push_back(
                    {kept.titleAt(at), std::move(*bytes), static_cast<double>(end - at) / rate});
                at = next;
            }
            return std::function<void()>([done, preroll = std::move(preroll), caught]() mutable {
                preroll.pieces.back().bytes += *caught;
                done(std::move(preroll));
            });
        });
    }
    ~HeardSongRead() override { QObject::disconnect(m_caught); }
    HeardSongRead(const HeardSongRead&) = delete;
    HeardSongRead& operator=(const HeardSongRead&) = delete;

private:
    QMetaObject::Connection m_caught;
    PendingPtr m_work;
};

} // namespace

PendingPtr readHeardSong(StreamTap& tap, std::uint64_t heard, const HeardSongDone& done) {
    return std::make_unique<HeardSongRead>(tap, heard, done);
}

} // namespace lumo
