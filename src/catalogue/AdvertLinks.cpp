// The advert link file "\image2url.csv": one line per advert, its number and its web address.
#include "catalogue/FieldReader.h"
#include "catalogue/FileIO.h"

namespace lumo {

void FILEIO::ReadAdvertLink() {
    m_state.advertLink.clear();
    const auto bytes = readWholeFile(m_folder.resolve("\\image2url.csv"));
    if (!bytes) {
        return;
    }
    FieldReader reader(*bytes);
    while (true) {
        const auto number = reader.nextNumber();
        const auto address = reader.nextText();
        if (!number || !address) {
            return;
        }
        if (*number == m_state.advertNumber) {
            m_state.advertLink = *address;
            return;
        }
    }
}

} // namespace lumo
