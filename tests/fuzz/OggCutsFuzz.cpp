// Ogg pages, a chain's head and a recording's cuts on any stream: the pages found do not depend
// on how the stream is cut, each holds its checksum, every title is clean UTF-8, and a recording
// begun with a whole head writes whole pages only, each file beginning at a chain's first page.
#include "FuzzCheck.h"
#include "net/OggPages.h"
#include "record/StreamCutter.h"

#include <QString>
#include <string>
#include <vector>

using namespace lumo;
using fuzz::check;

namespace {

std::vector<OggPage> pagesOf(std::string_view stream, std::size_t cut) {
    std::vector<OggPage> pages;
    OggPageReader reader;
    for (std::size_t at = 0; at < stream.size(); at += cut) {
        reader.feed(stream.substr(at, cut), [&](OggPage&& page) { pages.push_back(page); });
    }
    return pages;
}

void checkTitle(const std::string& title) {
    const QString decoded = QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    check(decoded.toStdString() == title, "titles are valid UTF-8");
    for (const QChar c : decoded) {
        check(c.category() != QChar::Other_Control, "titles hold no control character");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t cut = 1 + data[0] % 61;
    const std::size_t cutEvery = 1 + data[1] % 13;
    const std::string_view stream = fuzz::bytesOf(data + 2, size - 2);
    const std::vector<OggPage> whole = pagesOf(stream, stream.size() + 1);
    const std::vector<OggPage> pieces = pagesOf(stream, cut);
    check(whole.size() == pieces.size(), "pages do not depend on where the stream is cut");
    for (std::size_t i = 0; i < whole.size() && i < pieces.size(); ++i) {
        check(whole[i].bytes == pieces[i].bytes && whole[i].start == pieces[i].start,
              "the same pages at the same places");
        std::string zeroed = whole[i].bytes;
        renumberOggPage(zeroed, whole[i].sequence());
        check(zeroed == whole[i].bytes, "each page holds its checksum");
    }

    // A recording that begins after the first chain's head.
    OggHead head;
    std::size_t join = 0;
    for (const OggPage& page : whole) {
        if (head.complete()) {
            break;
        }
        head.take(page);
        join = static_cast<std::size_t>(page.start) + page.bytes.size();
    }
    checkTitle(head.title());
    if (!head.complete() || !head.usable()) {
        return 0;
    }
    std::vector<std::string> files{std::string()};
    StreamCutter::Output out{[&](std::string_view bytes) { files.back().append(bytes); },
                             [&] { files.emplace_back(); },
                             [&](const std::string& title) {
                                 checkTitle(title);
                                 return files.size() % 2 == 1;
                             }};
    auto cutter = StreamCutter::make("ogg", &head, out);
    for (std::size_t at = join, n = 0; at < stream.size(); at += cut, ++n) {
        cutter->pass(stream.substr(at, cut));
        if (n % cutEvery == 0) {
            cutter->cutSoon();
        }
    }
    for (const std::string& file : files) {
        const std::vector<OggPage> pages = pagesOf(file, file.size() + 1);
        std::size_t bytes = 0;
        for (const OggPage& page : pages) {
            bytes += page.bytes.size();
        }
        check(bytes == file.size(), "a file is whole pages");
        check(file.empty() || pages.front().beginsStream(), "a file begins with a chain's head");
    }
    return 0;
}
