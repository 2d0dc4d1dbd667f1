#pragma once

#include <cstddef>
#include <cstdint>

namespace lumo {

// How much of a stream the program reads is held back from libVLC as a reserve, so that a
// network that holds its data a while is not heard. Like a network player's buffering: it
// fills before the first sound (at once when the station bursts at connect), and after an
// underrun it fills again, to a larger reserve, before playing on. The network side reads in
// batches: it holds off at the high mark and reads again below the low mark, the kernel keeping
// what arrives meanwhile. Plain arithmetic on levels and times, told what happens; the feed
// keeps it under its lock.
class StreamReserve {
public:
    // Before the first sound, when the station sends no burst: more than the one-second hold a
    // Wi-Fi or mobile link makes every day.
    static constexpr int kFirstMs = 1200;
    static constexpr int kLongestMs = 8000;
    // At most this much is left to the kernel between two reads of the network.
    static constexpr std::size_t kMostBatch = 32 * 1024;
    // Less than this is read as it comes.
    static constexpr std::size_t kLeastBatch = 2 * 1024;
    // 128 kbit/s, until the station names its rate or it is measured.
    static constexpr std::size_t kDefaultRate = 16000;
    // The rate is measured from what libVLC takes over this long.
    static constexpr std::int64_t kMeasureMs = 4000;
    // A highest level not reached again for this long gives way to the level now.
    static constexpr std::int64_t kSettleMs = 2000;

    explicit StreamReserve(std::size_t most) : m_most(most) {}

    // The station's own word on its rate (bytes a second); 0 keeps the guess.
    void setRate(std::size_t bytesPerSecond);
    std::size_t rate() const { return m_rate; }

    // libVLC asks for bytes with `level` waiting: may it have them? At the end it may.
    bool mayTake(std::size_t level, bool ended, std::int64_t nowMs);
    // libVLC took `bytes`.
    void took(std::size_t bytes, std::int64_t nowMs);
    // libVLC found nothing while playing: fill again, to a larger reserve.
    void underran();
    // Bytes were added and `level` now wait.
    void added(std::size_t level, std::int64_t nowMs);

    bool filling() const { return m_filling; }
    int underruns() const { return m_underruns; }
    int targetMs() const { return m_targetMs; }
    std::size_t target() const { return bytesFor(m_targetMs); }
    // The network side holds off near the highest level the feed has reached since the reserve
    // filled (what the kernel keeps meanwhile is reserve too), and reads again a batch lower.
    std::size_t highMark() const;
    std::size_t lowMark() const;

private:
    std::size_t bytesFor(int ms) const;
    std::size_t batch() const;

    std::size_t m_most;
    std::size_t m_rate = kDefaultRate;
    bool m_rateNamed = false;
    int m_targetMs = kFirstMs;
    bool m_filling = true;
    int m_underruns = 0;
    std::size_t m_kept = 0; // the highest level of late, since the reserve last filled
    std::int64_t m_keptAt = 0;
    std::int64_t m_releasedAt = -1;
    std::size_t m_takenSince = 0;
};

} // namespace lumo
