#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lumo {

// The most characters of a title or name a station may give.
inline constexpr int kLongestStationText = 200;

// Text from a station (a song title, its name), fit to show, announce and keep: control and
// format characters (newlines, escapes, direction marks) become spaces, each run of white space
// one space, the ends trimmed, and at most `longest` characters, a longer text ending in an
// ellipsis. Cleaned once, where it enters, so that every place sees the same text.
QString cleanStationText(QString text, int longest = kLongestStationText);
// The same for UTF-8 text, giving UTF-8.
std::string cleanStationText(std::string_view utf8, int longest = kLongestStationText);

} // namespace lumo
