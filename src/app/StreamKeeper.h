#pragma once

#include <QObject>
#include <QTimer>
#include <string>

namespace lumo {

class MediaPlayer;

// Brings back a live stream that dropped after it had played (a network blip, a server
// restart): the address is given to the player again after 1, 2, 4, 8, 16 and then every 30
// seconds, at most kMaxAttempts times. A station change or the user's stop cancels it.
class StreamKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxAttempts = 20;

    explicit StreamKeeper(MediaPlayer& media, QObject* parent = nullptr);

    // The stream at `address` has stopped unexpectedly. Schedules the next attempt unless one
    // is already waiting; returns false once every attempt has been used.
    bool streamDropped(const std::string& address);
    // The stream plays again: the next drop starts over with the shortest wait.
    void streamPlaying();
    void cancel();

    // Makes the waiting attempt now (the timer does this when the wait is over).
    void attemptNow();

    bool waiting() const { return m_retry.isActive(); }
    int attempts() const { return m_attempts; }
    // The wait before attempt `attempt` (1-based), in milliseconds.
    static int delayBefore(int attempt);

private:
    MediaPlayer& m_media;
    QTimer m_retry;
    std::string m_address;
    int m_attempts = 0;
};

} // namespace lumo
