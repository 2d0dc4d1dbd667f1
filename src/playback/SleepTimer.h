#pragma once

#include "platform/Timer.h"

#include <QObject>
#include <chrono>
#include <functional>
#include <optional>

namespace lumo {

// What the sleep timer needs of the player window.
class SleepTimerHost {
public:
    virtual ~SleepTimerHost() = default;
    virtual int sleepVolume() const = 0; // the knob's level, 0 to 100 in steps of 10
    virtual void setSleepVolume(int level) = 0;
    virtual void sleepStop() = 0;            // as the stop button stops
    virtual void sleepTimeLeftChanged() = 0; // what shows the time left follows
};

// Stops playback after the time the listener chose: at the end the volume fades to silence
// over about ten seconds (one knob step a second), playback stops as the stop button stops it,
// and the volume is put back to where it was for the next play. Stop, play and another
// station leave it running; Off ends it.
class SleepTimer : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    static constexpr int kChoices[] = {15, 30, 45, 60, 90}; // minutes

    SleepTimer(SleepTimerHost& host, Clock now, QObject* parent = nullptr);

    // Runs for `minutes` from now (again from now if it ran); 0 is Off.
    void start(int minutes);
    bool running() const { return m_end.has_value(); }
    int minutesChosen() const { return m_chosen; }
    // The volume is being faded (or put back after): not the listener's own.
    bool fading() const { return m_levelBefore.has_value(); }
    // Whole minutes left, rounded up (1 in the last minute and during the fade); 0 when off.
    int minutesLeft() const;

    // Looks once a second; tests tick it by hand.
    Timer* ticker() const { return m_ticker; }

private:
    void tick();
    void end();

    SleepTimerHost& m_host;
    Clock m_now;
    Timer* m_ticker;
    std::optional<std::chrono::steady_clock::time_point> m_end;
    int m_chosen = 0;
    int m_shownMinutes = 0;
    std::optional<int> m_levelBefore; // while fading: the level to put back
};

} // namespace lumo
