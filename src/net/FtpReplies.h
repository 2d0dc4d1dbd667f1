#pragma once

#include <string>
#include <string_view>

namespace lumo {

// What one logical FTP call saw of the server's replies, fed line by line as they arrive: the
// last complete reply (a multi-line reply joined with CR LF), its code, and the folder named by
// the last 257 reply. Lines that belong to no reply are ignored.
struct FtpReplies {
    std::string current; // the reply being read
    std::string last;
    int lastCode = 0;
    bool inMultiLine = false;
    std::string lastDirectory;

    void take(std::string_view line);
};

// The folder a 257 reply names: the text between its first double quote and the next lone one,
// a doubled quote standing for one.
std::string folderOf257(std::string_view line);

} // namespace lumo
