#include "record/TitleCuts.h"

#include <iterator>

namespace lumo {

namespace {

constexpr std::chrono::hours kHour{1};
constexpr std::size_t kMostTitlesKept = 512;

} // namespace

void TitleCuts::begin(const std::string& title, Clock::time_point now) {
    m_current = title;
    m_fileBegan = now;
    m_filesBegun = {now};
    m_heard = {{title, now}};
}

TitleCuts::Step TitleCuts::next(const std::string& title, Clock::time_point now) {
    for (auto it = m_heard.begin(); it != m_heard.end();) {
        it = now - it->second > m_limits.repeatWithin ? m_heard.erase(it) : std::next(it);
    }
    while (!m_filesBegun.empty() && now - m_filesBegun.front() >= kHour) {
        m_filesBegun.pop_front();
    }
    if (m_heard.size() > kMostTitlesKept) {
        m_heard.clear(); // a station that names thousands a minute: forget them
    }
    const bool heardLately = m_heard.contains(title);
    m_heard[title] = now;
    if (title == m_current || heardLately) {
        return Step::Keep;
    }
    if (now - m_fileBegan < m_limits.shortestSong) {
        m_current = title;
        return Step::Rename;
    }
    if (static_cast<int>(m_filesBegun.size()) >= m_limits.mostFilesPerHour) {
        return Step::Keep;
    }
    m_current = title;
    m_fileBegan = now;
    m_filesBegun.push_back(now);
    return Step::Cut;
}

} // namespace lumo
