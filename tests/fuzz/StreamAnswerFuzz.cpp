// A station's answer headers, any bytes cut into lines anywhere: the verdict holds to its
// rules, the headers' bound holds, and what is kept of them is clean.
#include "FuzzCheck.h"
#include "net/IcyDemux.h"
#include "net/StationText.h"
#include "net/StreamAnswer.h"
#include "platform/UrlOpener.h"

#include <QString>
#include <string>

using namespace lumo;
using fuzz::check;

namespace {

void checkClean(const std::string& text) {
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    check(decoded.toStdString() == text, "a name is valid UTF-8");
    check(decoded.size() <= kLongestStationText, "a name is bounded");
    for (const QChar c : decoded) {
        check(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format,
              "a name holds no control or format character");
    }
    check(cleanStationText(text) == text, "cleaning a clean name changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string_view rest = fuzz::bytesOf(data, size);
    // Repeated, the input can pass the bound on header bytes.
    const std::size_t times = rest.empty() ? 1 : 1 + static_cast<unsigned char>(rest[0]) % 4 * 30;
    StreamAnswer answer;
    std::size_t fed = 0;
    bool refused = false;
    for (std::size_t round = 0; round < times; ++round) {
        std::string_view lines = rest;
        while (!lines.empty()) {
            const auto end = lines.find('\n');
            const std::string_view line =
                lines.substr(0, end == std::string_view::npos ? lines.size() : end + 1);
            lines.remove_prefix(line.size());
            fed += line.size();
            const bool taken = answer.addLine(line);
            check(taken == (fed <= StreamAnswer::kMostBytes), "lines are taken up to the bound");
            refused = refused || !taken;
        }
    }
    const auto verdict = answer.verdict();
    if (refused) {
        check(verdict == StreamAnswer::Verdict::Refuse, "headers past the bound are refused");
    }
    if (verdict == StreamAnswer::Verdict::Read) {
        check(answer.status() == 200, "only a 200 answer is read");
        check(!answer.extension().empty(), "only an audio type is read");
    }
    check(answer.interval() <= IcyDemux::kLongestInterval, "the interval is bounded");
    check(answer.logo().empty() || isNetworkAddress(answer.logo()), "a logo is an address");
    check(answer.bytesPerSecond() <= 2000 * 125, "the rate is one a station may have");
    checkClean(answer.name());
    return 0;
}
