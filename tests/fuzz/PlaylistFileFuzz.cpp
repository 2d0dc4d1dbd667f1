// A playlist file of any bytes: the entries are bounded, their addresses trimmed and of the
// file's own text, and their titles clean UTF-8.
#include "FuzzCheck.h"
#include "net/PlaylistFile.h"
#include "net/StationText.h"

#include <QString>

using namespace lumo;
using fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::bytesOf(data, size);
    const auto entries = playlistEntries(text);
    check(entries.size() <= kMostPlaylistEntries, "entries are bounded");
    for (const PlaylistEntry& entry : entries) {
        check(!entry.address.empty(), "an entry leads somewhere");
        check(entry.address.find_first_of("\r\n") == std::string::npos, "an address is one line");
        check(entry.address.front() != ' ' && entry.address.back() != ' ', "an address is trimmed");
        check(cleanStationText(entry.title) == entry.title, "a title is clean");
        const QString title =
            QString::fromUtf8(entry.title.data(), static_cast<qsizetype>(entry.title.size()));
        check(title.toStdString() == entry.title, "a title is valid UTF-8");
    }
    check(playlistEntries(text) == entries, "the same file gives the same entries");
    return 0;
}
