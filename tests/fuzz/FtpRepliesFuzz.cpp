// The FTP reply reader on any server talk, and a 257 reply written around a folder name from
// the input (quotes doubled, as FTP writes them): the folder comes back as it was.
#include "FuzzCheck.h"
#include "net/FtpReplies.h"

#include <string>

using namespace lumo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::bytesOf(data, size);
    FtpReplies replies;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find('\n', start);
        const auto line =
            bytes.substr(start, end == std::string_view::npos ? end : end + 1 - start);
        start = end == std::string_view::npos ? bytes.size() : end + 1;
        const int before = replies.lastCode;
        replies.take(line);
        check(replies.lastCode == 0 || (replies.lastCode >= 0 && replies.lastCode <= 999),
              "reply codes have three digits");
        if (replies.lastCode != before || !replies.last.empty()) {
            check(replies.last.size() >= 4, "a complete reply holds its code");
        }
    }

    // The folder name is the first line of the input, without CR or LF.
    const std::string folder(bytes.substr(0, bytes.find_first_of("\r\n")));
    std::string quoted;
    for (char c : folder) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    FtpReplies pwd;
    pwd.take("257-\"/not/this\" is what the greeting says\r\n");
    pwd.take("257 \"" + quoted + "\" is the current directory\r\n");
    check(pwd.lastCode == 257, "the 257 reply is read");
    check(pwd.lastDirectory == folder, "the folder reads back as written");
    check(folderOf257("257 \"" + quoted + "\"") == folder, "a bare 257 reads back too");
    return 0;
}
