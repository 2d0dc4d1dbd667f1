#pragma once

#include <cstddef>
#include <cstdint>

namespace lumo {

// How much of a stream the program reads is held back from libVLC as a reserve, so that a
// network that holds its data a while is not heard. Like a network player's buffering: it
// fills before the first sound (at once when the station bursts at connect), and after an
// underrun it fills again, to a larger reserve, before playing on. What has been let through
// lies in libVLC's read-ahead. Plain arithmetic on levels and times, told what happens; the
// feed keeps it under its lock.
class StreamReserve {
public:
    // Before the first sound, when the station sends no burst: more than the one-second hold a
    // Wi-Fi or mobile link makes every day.
    static constexpr int kFirstMs = 1200;
    static constexpr int kLongestMs = 8000;
    // 128 kbit/s, until the station names its rate or it is measured.
    static constexpr std::size_t kDefaultRate = 16000;
    // The rate is measured from what libVLC takes over this long.
    static constexpr std::int64_t kMeasureMs = 4000;
    // With the reserve in hand the network is read this often, not for every piece that comes.
    static constexpr int kBatchMs = 500;

    // The station's own word on its rate (bytes a second); 0 keeps the guess.
    void setRate(std::size_t bytesPerSecond);
    std::size_t rate() const { return m_rate; }
    bool rateNamed() const { return m_rateNamed; }

    // libVLC asks for bytes with `level` waiting: may it have them? At the end it may.
    bool mayTake(std::size_t level, bool ended, std::int64_t nowMs);
    // libVLC took `bytes`.
    void took(std::size_t bytes, std::int64_t nowMs);
    // libVLC found nothing while playing: fill again, to a larger reserve.
    void underran();

    bool filling() const { return m_filling; }
    int underruns() const { return m_underruns; }
    int targetMs() const { return m_targetMs; }
    std::size_t target() const;
    // How long the network may be left unread now: nothing while the reserve fills.
    int batchMs() const { return m_filling ? 0 : kBatchMs; }

private:
    std::size_t m_rate = kDefaultRate;
    bool m_rateNamed = false;
    int m_targetMs = kFirstMs;
    bool m_filling = true;
    int m_underruns = 0;
    std::int64_t m_releasedAt = -1;
    std::size_t m_takenSince = 0;
};

} // namespace lumo
