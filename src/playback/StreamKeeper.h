#pragma once

#include "platform/Pending.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lumo {

class MediaPlayer;

// Brings back a live stream that dropped after it had played (a network blip, a server
// restart): the address is given to the player again after 1, 2, 4, 8, 16 and then every 30
// seconds, at most kMaxAttempts times. A station change or the user's stop cancels it. The
// count starts again only once the stream has played for kSteadyMilliseconds without a break,
// so nothing that ends soon after it starts (a clip taken for a stream, a server that drops
// every listener) is fetched again and again without end. Each attempt first looks cheaply
// whether the station answers: one that does not costs the station that one look and the
// attempt is spent. Between two attempts that are far apart, it looks every kCheckMilliseconds
// and makes the next attempt as soon as the station answers, so a station is back within
// seconds of its return while it is asked at most once every kCheckMilliseconds.
class StreamKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxAttempts = 20;
    static constexpr std::int64_t kSteadyMilliseconds = 60000;
    static constexpr int kCheckMilliseconds = 3000;
    // Milliseconds on a steady clock.
    using Clock = std::function<std::int64_t()>;
    // Looks whether the station at an address answers again (see probeStation): `answered`
    // comes later, from the event loop, with the answer, or with nothing when the station
    // cannot be looked at that way (other schemes than http and https). Dropping the handle
    // cancels the probe.
    using Answered = std::function<void(std::optional<bool>)>;
    using Check = std::function<PendingPtr(const std::string& address, Answered answered)>;

    StreamKeeper(MediaPlayer& media, Check check, QObject* parent = nullptr, Clock clock = {});

    // The stream at `address` has stopped unexpectedly. Schedules the next attempt unless one
    // is already waiting; returns false once every attempt has been used.
    bool streamDropped(const std::string& address);
    // The stream plays (called on every status tick while it does); once it has played for
    // kSteadyMilliseconds, the next drop starts over with the shortest wait.
    void streamPlaying();
    // Stops waiting; a probe under way is cancelled.
    void cancel();

    // Makes the waiting attempt now (the timer does this when the wait is over): the address
    // goes to the player unless a probe finds the station still away.
    void attemptNow();
    // One probe of the station while waiting (the check timer does this every few seconds).
    void checkNow();

    bool waiting() const { return m_retry.isActive() || looking(); }
    // A probe of the station is under way.
    bool looking() const { return static_cast<bool>(m_look); }
    // Milliseconds until the waiting attempt; -1 when none waits.
    int untilNextAttempt() const { return m_retry.remainingTime(); }
    int attempts() const { return m_attempts; }
    // The wait before attempt `attempt` (1-based), in milliseconds.
    static int delayBefore(int attempt);

private:
    // Waits for attempt m_attempts, never less than kCheckMilliseconds after the last ask.
    void scheduleAttempt();
    void giveToPlayer();
    void look(std::function<void(std::optional<bool>)> then);

    MediaPlayer& m_media;
    QTimer m_retry;
    QTimer m_check;
    Clock m_clock;
    Check m_answers;
    PendingPtr m_look;
    std::optional<std::int64_t> m_lastAsked; // when the station was last asked (attempt or look)
    std::string m_address;
    int m_attempts = 0;
    std::optional<std::int64_t> m_playingSince;
};

} // namespace lumo
