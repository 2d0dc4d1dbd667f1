// The ICY demultiplexer on any body: whatever the cuts, the same audio and titles come out, the
// audio is exactly the body less its metadata, and every title is clean, valid UTF-8.
#include "FuzzCheck.h"
#include "net/IcyDemux.h"

#include <QString>
#include <string>
#include <vector>

using namespace lumo;
using fuzz::check;

namespace {

struct Out {
    std::string audio;
    std::vector<std::string> titles;
    std::size_t metadataBytes = 0;
};

Out run(std::size_t interval, std::string_view body, std::size_t cut) {
    IcyDemux demux(interval);
    Out out;
    const auto audio = [&](std::string_view a) { out.audio.append(a); };
    const auto title = [&](const std::string& t) { out.titles.push_back(t); };
    for (std::size_t at = 0; at < body.size(); at += cut) {
        demux.feed(body.substr(at, cut), audio, title);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const std::size_t interval = data[0] % 64;
    const std::size_t cut = 1 + data[1] % 17;
    const std::string_view body(reinterpret_cast<const char*>(data) + 2, size - 2);
    const Out whole = run(interval, body, body.size() + 1);
    const Out pieces = run(interval, body, cut);
    check(whole.audio == pieces.audio, "audio does not depend on where the body is cut");
    check(whole.titles == pieces.titles, "titles do not depend on where the body is cut");
    check(whole.audio.size() <= body.size(), "no audio is made up");
    if (interval == 0) {
        check(whole.audio == body, "without metadata the body is all audio");
    }
    for (const std::string& t : whole.titles) {
        const QString decoded = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        check(decoded.toStdString() == t, "titles are valid UTF-8");
        for (const QChar c : decoded) {
            check(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format,
                  "titles hold no control or format character");
        }
    }
    return 0;
}
