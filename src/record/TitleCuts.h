#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <string>

namespace lumo {

// The bounds on a recording's files.
struct RecordingLimits {
    // A song shorter than this is not a file of its own.
    std::chrono::milliseconds shortestSong{15000};
    // At most this many files begin in an hour of recording.
    int mostFilesPerHour = 30;
    // A title heard again within this time does not cut the file.
    std::chrono::milliseconds repeatWithin{60000};
};

// What a new title does to a recording's file under way, by the bounds that keep a station
// that changes its title all the time from filling the folder.
class TitleCuts {
public:
    using Clock = std::chrono::steady_clock;
    using Limits = RecordingLimits;
    enum class Step {
        Cut,    // a new file begins, named by the title
        Rename, // the file under way is still short: it takes the new title's name
        Keep,   // the file goes on as it is
    };

    explicit TitleCuts(Limits limits = {}) : m_limits(limits) {}
    void setLimits(Limits limits) { m_limits = limits; }
    // A recording begins: its first file, named `title`, begins `now`.
    void begin(const std::string& title, Clock::time_point now);
    // The station names `title`: what it does, remembered as done.
    Step next(const std::string& title, Clock::time_point now);

private:
    Limits m_limits;
    std::string m_current;
    Clock::time_point m_fileBegan;
    std::deque<Clock::time_point> m_filesBegun;       // within the last hour
    std::map<std::string, Clock::time_point> m_heard; // title: when last named
};

} // namespace lumo
