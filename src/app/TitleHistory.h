#pragma once

#include <QThreadPool>
#include <chrono>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace lumo {

// The titles heard: the last 100 titles the stations sent, with the station and when each
// started, newest first. Kept in a file of the program's ("TITLES", the catalogue's record
// syntax: seconds since 1970, station, title), replaced whole on each new title. The file is
// written (and synced) on a thread of its own, newest list last; the history waits for the
// last write when it goes.
class TitleHistory {
public:
    struct Heard {
        std::chrono::system_clock::time_point started;
        std::string station;
        std::string title;
        bool operator==(const Heard&) const = default;
    };
    static constexpr std::size_t kKept = 100;

    explicit TitleHistory(std::filesystem::path file);
    ~TitleHistory();
    TitleHistory(const TitleHistory&) = delete;
    TitleHistory& operator=(const TitleHistory&) = delete;

    // A title now playing: kept when it differs from the last one heard (a station repeats
    // its title with every block of the stream). An empty title is none. True when it was new.
    bool heard(const std::string& title, const std::string& station,
               std::chrono::system_clock::time_point when);
    const std::deque<Heard>& titles() const { return m_titles; }

    // One line of the list: "21:04  Station - Title".
    static std::string line(const Heard& heard);

private:
    // What is still to be written: only the newest list matters.
    struct Unwritten {
        std::mutex lock;
        std::optional<std::string> bytes;
    };

    void save();

    std::filesystem::path m_file;
    std::deque<Heard> m_titles;
    std::shared_ptr<Unwritten> m_unwritten = std::make_shared<Unwritten>();
    QThreadPool m_writer; // one thread: the writes keep their order
};

} // namespace lumo
