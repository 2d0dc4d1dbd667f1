// The ASX reader on any document, and on a document written around an address taken from the
// input (with its special characters written as entities): that address comes back as it was.
#include "FuzzCheck.h"
#include "net/PlaylistProbe.h"

#include <string>

using namespace lumo;
using fuzz::check;

namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = fuzz::bytesOf(data, size);
    for (const auto& ref : asxReferences(bytes)) {
        check(!ref.empty(), "no empty references");
    }
    (void)looksLikeAsx(bytes);

    const std::string document = "<ASX version=\"3.0\">\r\n<Entry><Ref href=\"" + escaped(bytes) +
                                 "\"/></Entry>\r\n<ENTRYREF HREF = '" + escaped(bytes) +
                                 "&apos;' />\r\n</ASX>\r\n";
    check(looksLikeAsx(document), "a written playlist is an ASX document");
    const auto refs = asxReferences(document);
    if (bytes.find('\'') == std::string_view::npos) {
        check(refs.size() == (bytes.empty() ? 1u : 2u), "both references are found");
        if (!bytes.empty()) {
            check(refs[0] == bytes, "a reference reads back as written");
            check(refs[1] == std::string(bytes) + "'", "an entry reference reads back");
        }
    }
    return 0;
}
