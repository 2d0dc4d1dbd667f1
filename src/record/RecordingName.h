#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumo {

// A file name made from text that came from the network (a station's name, a title): no path
// separators, control or format characters, nor the characters other systems' file names
// refuse (: * ? " < > |); no leading dot or space and no trailing dot or space; at most
// `maxBytes` bytes of UTF-8, cut between characters. Text that leaves nothing is "Recording".
std::string safeFileName(std::string_view utf8, std::size_t maxBytes);

} // namespace lumo
