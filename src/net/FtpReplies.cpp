#include "net/FtpReplies.h"

namespace lumo {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string folderOf257(std::string_view line) {
    std::string folder;
    const auto open = line.find('"');
    for (auto at = open == std::string_view::npos ? line.size() : open + 1; at < line.size();
         ++at) {
        if (line[at] == '"') {
            if (at + 1 < line.size() && line[at + 1] == '"') {
                folder += '"';
                ++at;
                continue;
            }
            break;
        }
        folder += line[at];
    }
    return folder;
}

void FtpReplies::take(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    const bool coded = line.size() >= 4 && isDigit(line[0]) && isDigit(line[1]) &&
                       isDigit(line[2]) && (line[3] == ' ' || line[3] == '-');
    if (!coded && !inMultiLine) {
        return;
    }
    if (!current.empty()) {
        current += "\r\n";
    }
    current += line;
    if (coded && line[3] == '-' && !inMultiLine) {
        inMultiLine = true;
    } else if (coded && line[3] == ' ') {
        inMultiLine = false;
        last = std::move(current);
        current.clear();
        lastCode = (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
        if (lastCode == 257) {
            lastDirectory = folderOf257(line);
        }
    }
}

} // namespace lumo
