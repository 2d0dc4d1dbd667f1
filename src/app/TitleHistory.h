#pragma once

#include <chrono>
#include <deque>
#include <filesystem>
#include <string>

namespace lumo {

// The titles heard: the last 100 titles the stations sent, with the station and when each
// started, newest first. Kept in a file of the program's ("TITLES", the catalogue's record
// syntax: seconds since 1970, station, title), replaced whole on each new title.
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

    // A title now playing: kept when it differs from the last one heard (a station repeats
    // its title with every block of the stream). An empty title is none. True when it was new.
    bool heard(const std::string& title, const std::string& station,
               std::chrono::system_clock::time_point when);
    const std::deque<Heard>& titles() const { return m_titles; }

    // One line of the list: "21:04  Station - Title".
    static std::string line(const Heard& heard);

private:
    void save() const;

    std::filesystem::path m_file;
    std::deque<Heard> m_titles;
};

} // namespace lumo
